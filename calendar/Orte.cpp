#include "calendar/Orte.h"

#include "model/Dateiposten.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>

#include "model/AtomicFile.h"
#include "model/Cp1252.h"
#include "model/Environment.h"
#include "model/Texte.h"
#include "model/ValueFile.h"

namespace qv {
namespace {

// A place line is some 25 bytes; a file far beyond the largest list is no place file.
constexpr qsizetype kMaxFileBytes = 4 * 1024 * 1024;

constexpr int kLaengeMax = 720;
constexpr int kBreiteMax = 280;
constexpr int kZeitzoneMax = 96;

// The place file's failure number for a failed item.
int itemError(ItemReader::Status st) {
  return st == ItemReader::Status::Ended ? kPlaceTruncated : kPlaceMalformed;
}

void setError(int* error, int code) {
  if (error) *error = code;
}

// "Error : n", with the reason on a line of its own when one is known.
void reportFailure(int code, const QString& reason = {}) {
  env().message(QStringLiteral("Error : ") + QString::number(code) +
                    (reason.isEmpty() ? QString() : u'\n' + texts().OrtDatei + QStringLiteral(": ") + reason),
                Buttons::Ok, Icon::Critical);
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
    w.line(nameItem(p.name) + u',' + numberItem(p.codes.laenge) + numberItem(p.codes.breite) +
           numberItem(p.codes.zeitzone));
  }
  return w.bytes();
}

std::optional<std::vector<Place>> decodePlaceFile(const QByteArray& bytes, int* error) {
  ItemReader::Status st = ItemReader::Status::Ok;
  const auto failed = [&](int c) {
    setError(error, c);
    return std::nullopt;
  };
  if (bytes.size() > kMaxFileBytes) return failed(kPlaceTooLarge);
  ItemReader in(bytes);
  const auto n = in.number(INT32_MIN, INT32_MAX, &st);
  if (!n) return failed(itemError(st));
  if (*n < 0) return failed(kPlaceMalformed);
  if (*n > kMaxPlaces) return failed(kPlaceTooLarge);

  std::vector<Place> places;
  places.reserve(*n);
  for (int i = 0; i < *n; ++i) {
    Place p;
    const auto name = in.text(&st);
    if (!name) return failed(itemError(st));
    p.name = *name;
    const auto laenge = in.number(0, kLaengeMax, &st);
    if (!laenge) return failed(itemError(st));
    const auto breite = in.number(0, kBreiteMax, &st);
    if (!breite) return failed(itemError(st));
    const auto zeitzone = in.number(0, kZeitzoneMax, &st);
    if (!zeitzone) return failed(itemError(st));
    p.codes = {*laenge, *breite, *zeitzone};
    places.push_back(std::move(p));
  }
  setError(error, kPlaceOk);
  return places;
}

int storePlace(std::vector<Place>& places, const QString& typed, const PlaceCodes& codes) {
  // Names are compared and kept as the file holds them, so a place comes back as it was stored.
  const QString name = cp1252::stored(typed);
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
  if (!QFile::exists(path)) {
    setError(error, kPlaceNotFound);
    return std::nullopt;
  }
  QByteArray bytes;
  QString why;
  if (!readWholeFile(path, &bytes, &why, kMaxFileBytes)) {
    setError(error, why == tooLargeReason() ? kPlaceTooLarge : kPlaceAccess);
    return std::nullopt;
  }
  return decodePlaceFile(bytes, error);
}

bool writePlaceFile(const std::vector<Place>& places, int* error, QString* reason) {
  if (texts().OrtDatei.isEmpty() || places.size() > static_cast<size_t>(kMaxPlaces) ||
      !writeFileAtomically(placeFilePath(), encodePlaceFile(places), reason)) {
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
  const QString name = cp1252::stored(askName ? askName() : QString());
  if (name.isEmpty()) return std::nullopt;
  if (places->size() >= static_cast<size_t>(kMaxPlaces) &&
      std::none_of(places->begin(), places->end(), [&](const Place& p) { return p.name == name; })) {
    reportFailure(kPlaceTooLarge);
    return std::nullopt;
  }
  PlaceListChange change;
  change.selected = storePlace(*places, name, codes);
  QString reason;
  if (!writePlaceFile(*places, &error, &reason)) {
    reportFailure(error, reason);
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
  QString reason;
  if (!writePlaceFile(*places, &error, &reason)) {
    reportFailure(error, reason);
    return std::nullopt;
  }
  PlaceListChange change;
  change.selected = static_cast<int>(places->size());  // the "unknown" entry
  change.places = std::move(*places);
  return change;
}

}  // namespace qv
