#pragma once
// The named places of the astro dialog and the place file of the UI language that keeps them.
// Every operation reads the whole file again and rewrites it whole; no copy of the list lives
// on between operations.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace qv {

// The three settings of a place as codes: each is the maximum of the dialog's scroll bar minus
// its value. Longitude 0..720 (360 = 0 degrees, half degrees, west above), latitude 0..280
// (140 = equator, half degrees, north below), time zone 0..96 (48 = 0:00, quarter hours,
// 48 minus the displayed zone).
struct PlaceCodes {
  int laenge = 360;
  int breite = 140;
  int zeitzone = 48;
  friend bool operator==(const PlaceCodes&, const PlaceCodes&) = default;
};

struct Place {
  QString name;
  PlaceCodes codes;
  friend bool operator==(const Place&, const Place&) = default;
};

constexpr int kMaxPlaces = 32767;

// Failure numbers shown after "Error : ".
enum PlaceError : int {
  kPlaceOk = 0,
  kPlaceTooLarge = 7,     // more places or bytes than a place file can hold
  kPlaceMalformed = 13,   // an item that is no number in its range
  kPlaceNotFound = 53,
  kPlaceTruncated = 62,   // the file ends before its last place
  kPlaceAccess = 75,      // the file could not be read or written
  kPlaceNoSuchEntry = 9,  // the chosen place is no longer in the file
};

// Sort key of a name: the Windows-1252 codes of its first three characters, the first one
// highest; a missing character counts 0.
int32_t Namen_Schluessel(const QString& name);

// The file's bytes (Windows-1252, CR LF). A name the format cannot carry as it stands (a comma,
// a leading quote, blanks at either end, empty) is written in quotes.
QByteArray encodePlaceFile(const std::vector<Place>& places);
// The places a file holds; empty (with *error) when it is truncated, malformed or too large.
std::optional<std::vector<Place>> decodePlaceFile(const QByteArray& bytes, int* error = nullptr);

// Stores codes under name: an existing place of exactly that name (as the file holds it) is
// updated in place; a new one goes after every place whose key is not greater than its own.
// Returns its index.
int storePlace(std::vector<Place>& places, const QString& name, const PlaceCodes& codes);

// The list entry to preselect for the current settings: the last place with these codes, or
// places.size() (the "unknown" entry after the places) when none has them.
int preselectedPlace(const std::vector<Place>& places, const PlaceCodes& codes);

// The place file of the language (texts().OrtDatei) in the start directory.
QString placeFilePath();

// Reads the place file; a missing file gives kPlaceNotFound.
std::optional<std::vector<Place>> readPlaceFile(int* error = nullptr);
// Rewrites the place file in one step; the old file stays as it was when this fails, and
// *reason says why.
bool writePlaceFile(const std::vector<Place>& places, int* error = nullptr, QString* reason = nullptr);

// The list as the dialog shows it on opening: a missing file is an empty list; an unreadable
// one is reported and gives an empty list too.
std::vector<Place> loadPlaceList();
// The stored place at a list index, read afresh; empty when the file no longer holds it.
std::optional<Place> placeAt(int index);

// The outcome of adding or deleting: the list as now stored and the entry to select.
struct PlaceListChange {
  std::vector<Place> places;
  int selected = 0;
};

// "Add": reads the file, asks for the name (askName shows the input box), stores the codes
// under it and rewrites the file. Empty when nothing was changed: an empty name or Cancel
// (silently), or a failure (reported as "Error : n"). A missing file starts a new list.
std::optional<PlaceListChange> addPlace(const std::function<QString()>& askName,
                                        const PlaceCodes& codes);
// "Delete": asks for confirmation, drops the place at the list index and rewrites the file;
// the "unknown" entry is then selected. Empty when cancelled or failed (reported).
std::optional<PlaceListChange> deletePlace(int index);

}  // namespace qv
