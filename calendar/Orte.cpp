#include "calendar/Orte.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "model/AtomicFile.h"
#include "model/Cp1252.h"
#include "model/Environment.h"
#include "model/Val.h"
#include "model/ValueFile.h"
#include "shell/Texte.h"

namespace qv {
namespace {

// A place line is some 25 bytes; a file far beyond the largest list is no place file.
constexpr qsizetype kMaxFileBytes = 4 * 1024 * 1024;

constexpr int kLaengeMax = 720;
constexpr int kBreiteMax = 280;
constexpr int kZeitzoneMax = 96;

// An integer item as the file writes it: sign place, digits, one trailing blank.
QString numberItem(int v) {
  return (v < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(v < 0 ? -v : v) +
         QStringLiteral(" ");
}

bool needsQuotes(const QString& name) {
  if (name.isEmpty()) return true;
  const QChar first = name.front();
  const QChar last = name.back();
  return name.contains(u',') || name.contains(u'\r') || name.contains(u'\n') || first == u'"' ||
         first == u' ' || first == u'\t' || last == u' ' || last == u'\t';
}

// Reads item by item: a name runs to the first comma or the line end (or between quotes);
// numbers are separated by blanks, commas or line ends.
class ItemReader {
 public:
  explicit ItemReader(const QByteArray& bytes) : reader_(bytes) {}

  // The number, or the failure: the file ended, or the item is no number in [lo, hi].
  std::optional<int> number(int lo, int hi, int* error) {
    if (pending_.isEmpty()) {
      const auto v = reader_.nextValue();
      if (!v) return fail(kPlaceTruncated, error);
      static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
      pending_ = v->split(blanks, Qt::SkipEmptyParts);
      if (pending_.isEmpty()) return fail(kPlaceMalformed, error);
    }
    const auto n = parseIntIn(pending_.takeFirst(), lo, hi);
    if (!n) return fail(kPlaceMalformed, error);
    return n;
  }

  std::optional<QString> text(int* error) {
    // Numbers left over where a name should start: the file is out of step.
    if (!pending_.isEmpty()) {
      *error = kPlaceMalformed;
      return std::nullopt;
    }
    auto v = reader_.nextValue();
    if (!v) *error = kPlaceTruncated;
    return v;
  }

 private:
  static std::optional<int> fail(int code, int* error) {
    *error = code;
    return std::nullopt;
  }
  ValueReader reader_;
  QStringList pending_;
};

void setError(int* error, int code) {
  if (error) *error = code;
}

void reportFailure(int code) {
  env().message(QStringLiteral("Error : ") + QString::number(code), Buttons::Ok, Icon::Critical);
}

}  // namespace

int32_t Namen_Schluessel(const QString& name) {
  int32_t key = 0;
  for (int i = 0; i < 3; ++i) {
    int code = 0;
    if (i < name.size()) {
      code = cp1252::codeOf(name[i]);
      if (code < 0) code = '?';  // as the file stores it
    }
    key = key * 256 + code;
  }
  return key;
}

QByteArray encodePlaceFile(const std::vector<Place>& places) {
  ValueWriter w;
  w.line(numberItem(static_cast<int>(places.size())));
  for (const Place& p : places) {
    const QString name = needsQuotes(p.name) ? ValueWriter::quoted(p.name) : p.name;
    w.line(name + u',' + numberItem(p.codes.laenge) + numberItem(p.codes.breite) +
           numberItem(p.codes.zeitzone));
  }
  return w.bytes();
}

std::optional<std::vector<Place>> decodePlaceFile(const QByteArray& bytes, int* error) {
  int code = kPlaceOk;
  const auto failed = [&](int c) {
    setError(error, c);
    return std::nullopt;
  };
  if (bytes.size() > kMaxFileBytes) return failed(kPlaceTooLarge);
  ItemReader in(bytes);
  const auto n = in.number(INT32_MIN, INT32_MAX, &code);
  if (!n) return failed(code);
  if (*n < 0) return failed(kPlaceMalformed);
  if (*n > kMaxPlaces) return failed(kPlaceTooLarge);

  std::vector<Place> places;
  places.reserve(*n);
  for (int i = 0; i < *n; ++i) {
    Place p;
    const auto name = in.text(&code);
    if (!name) return failed(code);
    p.name = *name;
    const auto laenge = in.number(0, kLaengeMax, &code);
    if (!laenge) return failed(code);
    const auto breite = in.number(0, kBreiteMax, &code);
    if (!breite) return failed(code);
    const auto zeitzone = in.number(0, kZeitzoneMax, &code);
    if (!zeitzone) return failed(code);
    p.codes = {*laenge, *breite, *zeitzone};
    places.push_back(std::move(p));
  }
  setError(error, kPlaceOk);
  return places;
}

int storePlace(std::vector<Place>& places, const QString& name, const PlaceCodes& codes) {
  for (size_t i = 0; i < places.size(); ++i) {
    if (places[i].name == name) {
      places[i].codes = codes;
      return static_cast<int>(i);
    }
  }
  const int32_t key = Namen_Schluessel(name);
  size_t p = 0;
  while (p < places.size() && key >= Namen_Schluessel(places[p].name)) ++p;
  places.insert(places.begin() + static_cast<std::ptrdiff_t>(p), Place{name, codes});
  return static_cast<int>(p);
}

int preselectedPlace(const std::vector<Place>& places, const PlaceCodes& codes) {
  int sel = static_cast<int>(places.size());
  for (size_t i = 0; i < places.size(); ++i)
    if (places[i].codes == codes) sel = static_cast<int>(i);
  return sel;
}

QString placeFilePath() { return QDir::current().absoluteFilePath(texts().OrtDatei); }

std::optional<std::vector<Place>> readPlaceFile(int* error) {
  if (texts().OrtDatei.isEmpty()) {
    setError(error, kPlaceNotFound);
    return std::nullopt;
  }
  const QString path = placeFilePath();
  QFile f(path);
  if (!f.exists()) {
    setError(error, kPlaceNotFound);
    return std::nullopt;
  }
  if (f.size() > kMaxFileBytes) {
    setError(error, kPlaceTooLarge);
    return std::nullopt;
  }
  QByteArray bytes;
  if (!readWholeFile(path, &bytes)) {
    setError(error, kPlaceAccess);
    return std::nullopt;
  }
  return decodePlaceFile(bytes, error);
}

bool writePlaceFile(const std::vector<Place>& places, int* error) {
  if (texts().OrtDatei.isEmpty() || places.size() > static_cast<size_t>(kMaxPlaces) ||
      !writeFileAtomically(placeFilePath(), encodePlaceFile(places))) {
    setError(error, kPlaceAccess);
    return false;
  }
  setError(error, kPlaceOk);
  return true;
}

std::vector<Place> loadPlaceList() {
  int error = kPlaceOk;
  if (auto places = readPlaceFile(&error)) return std::move(*places);
  if (error != kPlaceNotFound)
    env().message(texts().OrtDatei + QStringLiteral(": ") + texts().S_KeineGueltDatei, Buttons::Ok,
                  Icon::Critical);
  return {};
}

std::optional<Place> placeAt(int index) {
  const auto places = readPlaceFile();
  if (!places || index < 0 || index >= static_cast<int>(places->size())) return std::nullopt;
  return (*places)[index];
}

std::optional<PlaceListChange> addPlace(const std::function<QString()>& askName,
                                        const PlaceCodes& codes) {
  int error = kPlaceOk;
  auto places = readPlaceFile(&error);
  if (!places) {
    // A language without its place file yet: the first place starts one.
    if (error != kPlaceNotFound) {
      reportFailure(error);
      return std::nullopt;
    }
    places.emplace();
  }
  const QString name = askName ? askName() : QString();
  if (name.isEmpty()) return std::nullopt;
  if (places->size() >= static_cast<size_t>(kMaxPlaces) &&
      std::none_of(places->begin(), places->end(), [&](const Place& p) { return p.name == name; })) {
    reportFailure(kPlaceTooLarge);
    return std::nullopt;
  }
  PlaceListChange change;
  change.selected = storePlace(*places, name, codes);
  if (!writePlaceFile(*places, &error)) {
    reportFailure(error);
    return std::nullopt;
  }
  change.places = std::move(*places);
  return change;
}

std::optional<PlaceListChange> deletePlace(int index) {
  if (env().message(texts().S_DatenWirk, Buttons::OkCancel, Icon::Question) != Answer::Ok)
    return std::nullopt;
  int error = kPlaceOk;
  auto places = readPlaceFile(&error);
  if (!places) {
    reportFailure(error);
    return std::nullopt;
  }
  if (index < 0 || index >= static_cast<int>(places->size())) {
    reportFailure(kPlaceNoSuchEntry);
    return std::nullopt;
  }
  places->erase(places->begin() + index);
  if (!writePlaceFile(*places, &error)) {
    reportFailure(error);
    return std::nullopt;
  }
  PlaceListChange change;
  change.selected = static_cast<int>(places->size());  // the "unknown" entry
  change.places = std::move(*places);
  return change;
}

}  // namespace qv
