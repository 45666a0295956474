// The place file and the operations behind the astro dialog's place list.
#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include "calendar/Orte.h"
#include "model/Texte.h"
#include "model/Zustand.h"
#include "tests/support/ScriptedEnvironment.h"
#include "tests/support/StartDir.h"

using namespace qv;

namespace {

Place place(const char* name, int laenge, int breite, int zeitzone) {
  return {QString::fromUtf8(name), {laenge, breite, zeitzone}};
}

QStringList names(const std::vector<Place>& places) {
  QStringList out;
  for (const Place& p : places) out << p.name;
  return out;
}

class OrteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetAllState();
    texts().OrtDatei = "deutsch.ord";
    texts().S_DatenWirk = QString::fromUtf8("Daten wirklich löschen ?");
    texts().S_KeineGueltDatei = QString::fromUtf8("Keine gültige Datei !");
  }
  QStringList shown() const {
    QStringList out;
    for (const auto& m : env.messages) out << m.text;
    return out;
  }
  test::StartDir dir;
  test::ScriptedEnvironment env;
};

const QByteArray kThree =
    " 3 \r\nAachen, 348  38  44 \r\nBerlin, 333  35  44 \r\nBonn, 346  39  44 \r\n";

}  // namespace

TEST(OrteKey, FirstThreeCharactersInTheCodePage) {
  EXPECT_EQ(Namen_Schluessel("abc"), 6382179);
  EXPECT_EQ(Namen_Schluessel("a"), 6356992);
  EXPECT_EQ(Namen_Schluessel(""), 0);
  EXPECT_EQ(Namen_Schluessel("Bonn"), 4353902);
  EXPECT_EQ(Namen_Schluessel("Aachen"), 4284771);
  EXPECT_EQ(Namen_Schluessel("Berlin"), 4351346);
  EXPECT_EQ(Namen_Schluessel("Berg"), 4351346);
  EXPECT_EQ(Namen_Schluessel("Bad Ems"), 4350308);
  EXPECT_EQ(Namen_Schluessel("bonn"), 6451054);
  // An umlaut counts its one-byte code: after every plain letter.
  EXPECT_EQ(Namen_Schluessel(QString::fromUtf8("Ö")), 0xD6 * 65536);
  EXPECT_GT(Namen_Schluessel(QString::fromUtf8("Zü")), Namen_Schluessel("Zz"));
}

TEST(OrteList, InsertionByKeyAndUpdateByName) {
  std::vector<Place> base = {place("Aachen", 1, 1, 1), place("Berlin", 2, 2, 2)};

  auto v = base;
  EXPECT_EQ(storePlace(v, "Bonn", {3, 3, 3}), 2);
  EXPECT_EQ(names(v), QStringList({"Aachen", "Berlin", "Bonn"}));
  EXPECT_EQ(storePlace(v, "Bad Ems", {4, 4, 4}), 1);
  EXPECT_EQ(names(v), QStringList({"Aachen", "Bad Ems", "Berlin", "Bonn"}));
  // Equal keys: after the existing ones, in the order added.
  EXPECT_EQ(storePlace(v, "Berg", {5, 5, 5}), 3);
  EXPECT_EQ(storePlace(v, "Bergen", {6, 6, 6}), 4);
  EXPECT_EQ(names(v), QStringList({"Aachen", "Bad Ems", "Berlin", "Berg", "Bergen", "Bonn"}));
  // Small letters after every capital.
  EXPECT_EQ(storePlace(v, "bonn", {7, 7, 7}), 6);

  // An existing name keeps its place and takes the new codes; another case is another name.
  const size_t before = v.size();
  EXPECT_EQ(storePlace(v, "Berlin", {9, 9, 9}), 2);
  EXPECT_EQ(v.size(), before);
  EXPECT_EQ(v[2].codes, (PlaceCodes{9, 9, 9}));
  EXPECT_EQ(storePlace(v, "berlin", {8, 8, 8}), 6);
  EXPECT_EQ(v.size(), before + 1);

  std::vector<Place> empty;
  EXPECT_EQ(storePlace(empty, "Ulm", {1, 2, 3}), 0);
}

TEST(OrteList, PreselectionTakesTheLastMatch) {
  const std::vector<Place> v = {place("A", 333, 35, 44), place("B", 342, 44, 44), place("C", 333, 35, 44)};
  EXPECT_EQ(preselectedPlace(v, {333, 35, 44}), 2);
  EXPECT_EQ(preselectedPlace(v, {342, 44, 44}), 1);
  EXPECT_EQ(preselectedPlace(v, {342, 44, 48}), 3);  // "unknown"
  EXPECT_EQ(preselectedPlace({}, {360, 140, 48}), 0);
}

TEST(OrteFile, ExactBytesAndRoundTrip) {
  EXPECT_EQ(encodePlaceFile({}), QByteArray(" 0 \r\n"));
  const std::vector<Place> three = {place("Aachen", 348, 38, 44), place("Berlin", 333, 35, 44),
                                    place("Bonn", 346, 39, 44)};
  EXPECT_EQ(encodePlaceFile(three), kThree);
  const auto back = decodePlaceFile(kThree);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, three);

  // An umlaut is one Windows-1252 byte.
  const QByteArray koeln = encodePlaceFile({place("Köln", 346, 38, 44)});
  EXPECT_EQ(koeln, QByteArray(" 1 \r\nK\xF6ln, 346  38  44 \r\n"));
  EXPECT_EQ(decodePlaceFile(koeln)->front().name, QString::fromUtf8("Köln"));

  // Names the plain format cannot carry go in quotes and come back as they were.
  const std::vector<Place> awkward = {place("Frankfurt, Main", 343, 40, 44), place(" Lead", 1, 2, 3),
                                      place("Trail ", 4, 5, 6), place("\"Q\" town", 7, 8, 9),
                                      place("", 0, 0, 0)};
  const QByteArray bytes = encodePlaceFile(awkward);
  EXPECT_TRUE(bytes.contains("\"Frankfurt, Main\", 343  40  44 \r\n"));
  const auto again = decodePlaceFile(bytes);
  ASSERT_TRUE(again);
  EXPECT_EQ(*again, awkward);
  EXPECT_EQ(encodePlaceFile(*again), bytes);
}

TEST(OrteFile, ReadsItemsAcrossLinesAndSeparators) {
  // Items are items: commas, blanks, tabs and line breaks all separate numbers; leading blanks of a
  // name are dropped; whatever follows the last place is not read.
  const auto v = decodePlaceFile("2\r\n  Ulm,300,41\r\n44\r\nWien, 327\r\n 44\t44\r\nrest");
  ASSERT_TRUE(v);
  ASSERT_EQ(v->size(), 2u);
  EXPECT_EQ((*v)[0], place("Ulm", 300, 41, 44));
  EXPECT_EQ((*v)[1], place("Wien", 327, 44, 44));
  // A count line alone, with or without its line end.
  EXPECT_TRUE(decodePlaceFile(" 0 ")->empty());
}

TEST(OrteFile, RefusesTruncatedMalformedAndOversizedFiles) {
  struct Case {
    QByteArray bytes;
    int error;
  };
  const Case cases[] = {
      {"", kPlaceTruncated},
      {" 3 \r\nAachen, 348  38  44 \r\n", kPlaceTruncated},
      {" 1 \r\nAachen, 348  38 \r\n", kPlaceTruncated},
      {" 1 \r\nAachen, 348  x  44 \r\n", kPlaceMalformed},
      {" 1 \r\nAachen, 721  38  44 \r\n", kPlaceMalformed},
      {" 1 \r\nAachen, 348  281  44 \r\n", kPlaceMalformed},
      {" 1 \r\nAachen, 348  38  97 \r\n", kPlaceMalformed},
      {" 1 \r\nAachen, -1  38  44 \r\n", kPlaceMalformed},
      {" 2 \r\nAachen, 348  38  44  12 \r\nBonn, 346  39  44 \r\n", kPlaceMalformed},
      {"drei\r\n", kPlaceMalformed},
      {"-1 \r\n", kPlaceMalformed},
      {" 40000 \r\n", kPlaceTooLarge},
      {" 99999999999 \r\n", kPlaceMalformed},
      {QByteArray(5 * 1024 * 1024, ' '), kPlaceTooLarge},
  };
  for (const Case& c : cases) {
    int error = 0;
    EXPECT_FALSE(decodePlaceFile(c.bytes, &error)) << c.bytes.left(40).constData();
    EXPECT_EQ(error, c.error) << c.bytes.left(40).constData();
  }
  // A count far beyond the records is refused without reserving anything for it.
  int error = 0;
  EXPECT_FALSE(decodePlaceFile(" 32767 \r\nA, 1 2 3 \r\n", &error));
  EXPECT_EQ(error, kPlaceTruncated);
}

TEST_F(OrteTest, LoadingAMissingOrBrokenFile) {
  EXPECT_TRUE(loadPlaceList().empty());
  EXPECT_TRUE(env.messages.empty());

  dir.write("deutsch.ord", " 3 \r\nAachen, 348  38  44 \r\n");
  EXPECT_TRUE(loadPlaceList().empty());
  EXPECT_EQ(shown(), QStringList{QString::fromUtf8("deutsch.ord: Keine gültige Datei !")});

  dir.write("deutsch.ord", kThree);
  EXPECT_EQ(names(loadPlaceList()), QStringList({"Aachen", "Berlin", "Bonn"}));
  ASSERT_TRUE(placeAt(1));
  EXPECT_EQ(*placeAt(1), place("Berlin", 333, 35, 44));
  EXPECT_FALSE(placeAt(3));
  EXPECT_FALSE(placeAt(-1));
}

TEST_F(OrteTest, AddingStoresAndRewritesTheFile) {
  // The first place creates the file.
  auto added = addPlace([] { return QStringLiteral("Ulm"); }, {340, 43, 44});
  ASSERT_TRUE(added);
  EXPECT_EQ(added->selected, 0);
  EXPECT_EQ(dir.read("deutsch.ord"), QByteArray(" 1 \r\nUlm, 340  43  44 \r\n"));

  dir.write("deutsch.ord", kThree);
  added = addPlace([] { return QStringLiteral("Bad Ems"); }, {345, 39, 44});
  ASSERT_TRUE(added);
  EXPECT_EQ(added->selected, 1);
  EXPECT_EQ(names(added->places), QStringList({"Aachen", "Bad Ems", "Berlin", "Bonn"}));
  EXPECT_EQ(dir.read("deutsch.ord"), encodePlaceFile(added->places));

  // An existing name is updated silently where it stands.
  added = addPlace([] { return QStringLiteral("Berlin"); }, {334, 36, 44});
  ASSERT_TRUE(added);
  EXPECT_EQ(added->selected, 2);
  EXPECT_EQ(added->places.size(), 4u);
  EXPECT_EQ(*placeAt(2), place("Berlin", 334, 36, 44));
  EXPECT_TRUE(env.messages.empty());

  // An empty answer (or Cancel) changes nothing.
  const QByteArray before = dir.read("deutsch.ord");
  EXPECT_FALSE(addPlace([] { return QString(); }, {1, 1, 1}));
  EXPECT_EQ(dir.read("deutsch.ord"), before);
  EXPECT_TRUE(env.messages.empty());
}

TEST_F(OrteTest, AddingToABrokenFileIsRefusedBeforeAsking) {
  const QByteArray broken = " 2 \r\nAachen, 348  38  44 \r\n";
  dir.write("deutsch.ord", broken);
  bool asked = false;
  EXPECT_FALSE(addPlace([&] { asked = true; return QStringLiteral("Ulm"); }, {340, 43, 44}));
  EXPECT_FALSE(asked);
  EXPECT_EQ(shown(), QStringList{"Error : 62"});
  EXPECT_EQ(dir.read("deutsch.ord"), broken);
}

TEST_F(OrteTest, DeletingAsksAndRewritesTheFile) {
  dir.write("deutsch.ord", kThree);
  env.answer(Answer::Cancel);
  EXPECT_FALSE(deletePlace(1));
  EXPECT_EQ(dir.read("deutsch.ord"), kThree);
  ASSERT_EQ(env.messages.size(), 1u);
  EXPECT_EQ(env.messages[0].text, QString::fromUtf8("Daten wirklich löschen ?"));
  EXPECT_EQ(env.messages[0].buttons, Buttons::OkCancel);

  env.answer(Answer::Ok);
  auto left = deletePlace(1);
  ASSERT_TRUE(left);
  EXPECT_EQ(names(left->places), QStringList({"Aachen", "Bonn"}));
  EXPECT_EQ(left->selected, 2);  // "unknown"
  EXPECT_EQ(dir.read("deutsch.ord"), QByteArray(" 2 \r\nAachen, 348  38  44 \r\nBonn, 346  39  44 \r\n"));

  // A place no longer in the file is reported, and the file stays.
  env.answer(Answer::Ok);
  EXPECT_FALSE(deletePlace(2));
  EXPECT_EQ(env.messages.back().text, "Error : 9");

  env.answer(Answer::Ok);
  env.answer(Answer::Ok);
  ASSERT_TRUE(deletePlace(0));
  left = deletePlace(0);
  ASSERT_TRUE(left);
  EXPECT_TRUE(left->places.empty());
  EXPECT_EQ(left->selected, 0);
  EXPECT_EQ(dir.read("deutsch.ord"), QByteArray(" 0 \r\n"));

  // The file gone in the meantime.
  QFile::remove(dir.file("deutsch.ord"));
  env.answer(Answer::Ok);
  EXPECT_FALSE(deletePlace(0));
  EXPECT_EQ(env.messages.back().text, "Error : 53");
}

TEST_F(OrteTest, AnUnwritableFileKeepsItsContent) {
  // A folder where the file should be: reading fails, nothing is written.
  QDir(dir.path()).mkdir("deutsch.ord");
  EXPECT_FALSE(addPlace([] { return QStringLiteral("Ulm"); }, {340, 43, 44}));
  EXPECT_EQ(shown(), QStringList{"Error : 75"});
  EXPECT_TRUE(QFileInfo(dir.file("deutsch.ord")).isDir());
}

TEST_F(OrteTest, ShippedFilesLoadAndRoundTrip) {
  struct Shipped {
    const char* file;
    int zone;       // time-zone code of the country
    const char* capital;
    PlaceCodes codes;
  };
  const Shipped shipped[] = {
      {"deutsch.ord", 44, "Berlin", {333, 35, 44}},
      {"english.ord", 48, "London", {360, 37, 48}},
      {"france.ord", 44, "Paris", {355, 42, 44}},
  };
  for (const Shipped& s : shipped) {
    SCOPED_TRACE(s.file);
    dir.copyShipped(s.file);
    texts().OrtDatei = s.file;
    QByteArray bytes = dir.read(s.file);
    EXPECT_FALSE(bytes.replace("\r\n", "").contains('\n'));  // CR LF only

    const auto places = readPlaceFile();
    ASSERT_TRUE(places);
    EXPECT_GE(places->size(), 40u);
    EXPECT_EQ(encodePlaceFile(*places), dir.read(s.file));

    QSet<QString> seen;
    int atHome = 0;
    for (size_t i = 0; i < places->size(); ++i) {
      const Place& p = (*places)[i];
      EXPECT_FALSE(seen.contains(p.name)) << p.name.toStdString();
      seen.insert(p.name);
      if (i > 0) {
        EXPECT_LE(Namen_Schluessel((*places)[i - 1].name), Namen_Schluessel(p.name));
      }
      // Europe: 10 degrees west to 20 east, 40 to 61 degrees north.
      EXPECT_GE(p.codes.laenge, 320) << p.name.toStdString();
      EXPECT_LE(p.codes.laenge, 380) << p.name.toStdString();
      EXPECT_GE(p.codes.breite, 140 - 122) << p.name.toStdString();
      EXPECT_LE(p.codes.breite, 140 - 80) << p.name.toStdString();
      if (p.codes.zeitzone == s.zone) ++atHome;
    }
    EXPECT_GE(atHome, 30);
    const auto capital = std::find_if(places->begin(), places->end(),
                                      [&](const Place& p) { return p.name == s.capital; });
    ASSERT_NE(capital, places->end());
    EXPECT_EQ(capital->codes, s.codes);
  }
}
