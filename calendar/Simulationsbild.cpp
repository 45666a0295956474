#include "calendar/Simulationsbild.h"

#include <algorithm>

#include "model/Kalender.h"
#include "model/Vergleich.h"

namespace qv {
namespace {

constexpr QRgb kSchwarz = qRgb(0, 0, 0);
constexpr QRgb kRot = qRgb(255, 0, 0);

// The legend was laid out with Windows colour values, &H00BBGGRR.
constexpr QRgb ausBgr(unsigned v) { return qRgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

constexpr unsigned kLegendeBgr[kFarben] = {0xFFFFFF, 0xFFFF00, 0xFF8080, 0xFF0000, 0x80FF80, 0x00C000,
                                           0x008000, 0xFFC0FF, 0xFF80FF, 0xC000C0, 0x0000FF, 0x00FFFF};

int abrunden(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Draws relative to the current pen position; strokes of no length leave no step.
class Stift {
 public:
  Stift(Zeichenliste& liste, int x, int y) : liste_(liste), pos_(x, y) {}
  void gehe(int x, int y) { pos_ = {x, y}; }
  void setzeY(int y) { pos_.setY(y); }
  void linie(int dx, int dy, Zeichenschritt::Rolle rolle, QRgb farbe = 0) {
    const QPoint bis = pos_ + QPoint(dx, dy);
    if (dx != 0 || dy != 0) liste_.push_back({Zeichenschritt::Art::Linie, pos_, bis, rolle, farbe});
    pos_ = bis;
  }
  void vorne(int dx, int dy) { linie(dx, dy, Zeichenschritt::Rolle::Vordergrund); }
  void fest(int dx, int dy, QRgb farbe) { linie(dx, dy, Zeichenschritt::Rolle::Fest, farbe); }

 private:
  Zeichenliste& liste_;
  QPoint pos_;
};

void lineal(Stift& s, int start) {
  s.gehe(-start, kLineal);
  for (int i = 1; i <= 96; ++i) {
    const int t = i % 2 == 0 ? 4 : 2;
    s.vorne(15, 0);
    s.vorne(0, t);
    s.vorne(0, -t);
    if (i % 4 == 0) {
      s.vorne(0, -t);
      s.vorne(0, t);
    }
  }
}

}  // namespace

Farbtabelle Startfarben() {
  Farbtabelle f{};
  for (int i = 0; i < kFarben; ++i) f[i] = ausBgr(kLegendeBgr[i]);
  return f;
}

QString Legendentext(int prog) {
  if (prog == kProgPermanentEin) return QStringLiteral("P On");
  if (prog == kProgPermanentAus) return QStringLiteral("P Off");
  return QStringLiteral("P ") + QString::number(prog);
}

QRgb Farbe_von(const Farbtabelle& farbe, int prog) { return farbe[prog >= 0 && prog < kFarben ? prog : 0]; }

int Startminute(int scrollwert) { return std::clamp(abrunden(scrollwert - 1, 4), 0, 12) * 60; }

std::array<QString, 12> Stundenbeschriftung(int scrollwert) {
  std::array<QString, 12> out;
  const int erste = Startminute(scrollwert) / 60;
  for (int k = 0; k < 12; ++k) out[k] = QString::number(erste + k) + QStringLiteral(":00");
  return out;
}

Tagesbild male_SZGrafik(const Tagesmodell& tag, int start, int prog, const Farbtabelle& farbe) {
  Tagesbild bild;
  bild.hintergrund = Farbe_von(farbe, prog);
  Stift s(bild.schritte, -start, kLineal);
  lineal(s, start);

  const int n = std::clamp<int>(tag.AnzAbschnitte, 0, kAbschnitte);
  int p = n > 0 ? tag.Abschnitt[0].Zustand & 1 : 0;
  const int h = kPegelAus - kPegelEin;
  s.gehe(-start, p == 0 ? kPegelAus : kPegelEin);
  for (int k = 0; k < n; ++k) {
    const TAbschnitt& a = tag.Abschnitt[k];
    const int c = a.Zustand & 1;
    const int dy = c == p ? 0 : (c == 1 ? -h : h);
    if (a.Zustand == 0 || a.Zustand == 1) {
      p = c;
      s.fest(0, dy, kSchwarz);
    } else {
      // A pulse to the other level shows as a spike; one to the level in force leaves none.
      s.fest(0, dy, kRot);
      s.fest(0, -dy, kRot);
    }
    s.vorne(a.Dauer, 0);
    s.setzeY(p == 0 ? kPegelAus : kPegelEin);
  }
  return bild;
}

QRect Zellrechteck(int monat, int tag, int c) {
  const int m = monat - 1;
  const int x = kStreifenX + (m % 3) * kMonatsblock * kZellBreite + (tag - 1) * kZellBreite;
  const int y = kStreifenY + (m / 3) * kMonatszeile + c * kZeilenabstand;
  return QRect(QPoint(x, y), QPoint(x + kZellBreite, y + kZellHoehe));
}

QPoint Monatsposition(int i) {
  return {kStreifenX + (i % 3) * kMonatsblock * kZellBreite, kStreifenY + (i / 3) * kMonatszeile - 20};
}

QPoint Kanalposition(int r, int k) {
  const int y = kStreifenY + r * kMonatszeile + k * kZeilenabstand - 1;
  const int x = k % 2 == 0 ? kStreifenX - 22 : kStreifenX + 98 * kZellBreite;
  return {x, y};
}

Jahresstreifen male_PZGrafik(const Jahresprogramm& kalender, int jahr, int kanalzahl, int erster,
                             const Farbtabelle& farbe) {
  using Art = Zeichenschritt::Art;
  using Rolle = Zeichenschritt::Rolle;
  Jahresstreifen st;
  const int zeilen = std::clamp(kanalzahl, 0, 4);
  st.schritte.push_back({Art::Fuellung, {0, 1}, {100 * kZellBreite, 1 + 22 * kZeilenabstand}, Rolle::Hintergrund});

  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k)
      st.kanaele[4 * r + k] = {Kanalposition(r, k), QStringLiteral("C") + QString::number(erster + k),
                               k == 0 || k < kanalzahl};

  Stift s(st.schritte, 0, 0);
  for (int i = 0; i < 12; ++i) {
    const QPoint pos = Monatsposition(i);
    st.monate[i] = {pos, Monatsname(i + 1), true};
    const int tage = Tage_im_Monat(i + 1, jahr).value_or(0);
    const int y0 = pos.y() + 20;
    s.gehe(pos.x(), y0);
    s.vorne(0, -6);
    s.gehe(pos.x(), y0);
    s.vorne(tage * kZellBreite, 0);
    for (int d = 1; d <= tage; ++d) {
      const int t = d % 10 == 0 ? 6 : (d % 5 == 0 ? 4 : 2);
      s.gehe(pos.x() + d * kZellBreite, y0);
      s.vorne(0, -t);
    }
  }

  const int N = Tage_im_Jahr(jahr);
  for (int c = 0; c < zeilen; ++c) {
    for (int d = 0; d < N; ++d) {
      const QRect z = Zellrechteck(Monat_aus_Jahrestag(d + 1, jahr), Tag_aus_Jahrestag(d + 1, jahr), c);
      st.schritte.push_back({Art::Rahmen, z.topLeft(), z.bottomRight(), Rolle::Fest, kSchwarz});
      st.schritte.push_back({Art::Fuellung, z.topLeft() + QPoint(1, 1), z.bottomRight() - QPoint(1, 1), Rolle::Fest,
                             Farbe_von(farbe, kalender.ProgTag[c][d])});
    }
  }
  return st;
}

std::optional<Treffer> Treffer_im_Streifen(int x, int y, int jahr, int kanalzahl) {
  const int r = abrunden(y - kStreifenY, kZeilenabstand);
  const int k = abrunden(x - kStreifenX, kZellBreite);
  if (r < 0 || r > 21) return std::nullopt;
  const int q = r / 6;
  const int c = r % 6;
  if (c > 3 || c >= std::min(kanalzahl, 4)) return std::nullopt;
  int spalte, tag;
  if (k >= 0 && k <= 30) {
    spalte = 0;
    tag = k + 1;
  } else if (k >= 33 && k <= 64) {
    spalte = 1;
    tag = k - 32;
  } else if (k >= 66 && k <= 97) {
    spalte = 2;
    tag = k - 65;
  } else {
    return std::nullopt;
  }
  const int monat = 3 * q + spalte + 1;
  if (tag > Tage_im_Monat(monat, jahr).value_or(0)) return std::nullopt;
  return Treffer{monat, tag, c};
}

}  // namespace qv
