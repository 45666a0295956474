#include "model/Dateinamen.h"

#include <QFileInfo>
#include <algorithm>

#include "model/AtomicFile.h"
#include "model/Environment.h"
#include "model/Programmdatei.h"
#include "model/Programmwechsel.h"
#include "model/Texte.h"
#include "model/Zustand.h"

namespace qv {

int Endung_Pos(const QString& name) {
  const int dateiteil = static_cast<int>(std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'))) + 1;
  const int len = static_cast<int>(name.size());
  for (int k = 4; k >= 1; --k) {
    const int at = len - k;
    if (at >= dateiteil && name[at] == u'.') return k;
  }
  return 0;
}

bool NurAsciiZeichen(const QString& text) {
  for (QChar c : text)
    if (c.unicode() >= 128) return false;
  return true;
}

std::optional<int> Datei_existiert(const QString& name) {
  const QFileInfo info(name);
  QString fehler;
  if (!info.exists()) {
    // Only a file that is not there is "not found"; a folder that is not there is a failure.
    if (QFileInfo(info.absolutePath()).isDir()) return 0;
    fehler = QStringLiteral("%1: Path not found").arg(name);
  } else if (info.isDir()) {
    fehler = QStringLiteral("%1: Is a directory").arg(name);
  } else {
    // A FIFO, a device or a socket is no program file to read or replace, and is never opened.
    QByteArray nichts;
    QString grund;
    if (readFileStart(name, 0, &nichts, &grund)) return 1;
    fehler = QStringLiteral("%1: %2").arg(name, grund);
  }
  refuse(fehler);
  return std::nullopt;
}

QString Freier_Dateiname() {
  for (int n = 1; n <= 998; ++n) {
    const QString name = texts().S_SzTab + QString::number(n) + QStringLiteral(".qvl");
    if (Datei_existiert(name) == 0) return name;
  }
  refuse(texts().S_SpeiVorh + texts().S_SzTab + QStringLiteral("xxx.qvl"));
  return {};
}

int Speichern_mit_Dialog(const QString& titel, bool leerMelden) {
  ProgramState& p = program();
  // A name becomes the program's only once the program was written under it; until then it is
  // only what the dialog proposes next.
  const QString bisher = p.Dateiname[0];
  QString vorschlag = bisher;
  for (;;) {
    QString name = env().saveFileName(titel, QStringLiteral("*.qvl (*.qvl);;*.* (*)"), vorschlag);
    if (name.isEmpty()) {
      if (leerMelden) {
        refuse(texts().S_KeineDatei);
        env().beep();
      }
      return 0;
    }
    if (Endung_Pos(name) == 0) name += QStringLiteral(".qvl");
    vorschlag = name;
    // A control character or line break would break the request file's lines and the lists.
    const bool steuerzeichen = std::any_of(name.begin(), name.end(), [](QChar c) { return c < u' ' || c == u'\x7f'; });
    if (!NurAsciiZeichen(name) || steuerzeichen) {
      refuse(texts().S_keinGuelt);
      env().beep();
      continue;
    }
    const std::optional<int> vorhanden = Datei_existiert(name);
    if (!vorhanden) continue;  // already reported; choose again
    if (*vorhanden == 1 && ask(texts().S_Datei + name + texts().S_bestUeber) != Answer::Yes) continue;
    p.Dateiname[0] = name;
    if (SchreibeProgrammDatei() == 0) {
      p.Dateiname[0] = bisher;
      return 0;
    }
    // Saved under this name: the next Save writes there without asking.
    p.HatDateiname = 1;
    if (name != bisher) Melde_neuen_Dateinamen();
    return 1;
  }
}

int Datei_sichern() {
  if (program().HatDateiname != 0) return SchreibeProgrammDatei();
  return Speichern_mit_Dialog(QString(), true);
}

}  // namespace qv
