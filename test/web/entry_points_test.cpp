// The entry points' results, whole, for the cases the page leans on: the
// exhaustive comparison with the built programs runs under node, through the
// WebAssembly module (page_entry_points.mjs).
#include "entry_points.hpp"

#include <gtest/gtest.h>

namespace delartal::web {
namespace {

TEST(EntryPoints, ForwardGivesTheRowTheReportAndTheChannel) {
  EXPECT_EQ(
      forward("141.40625", 2),
      "{\"status\":0,\"rader\":[{\"frekvens\":\"141.40625\",\"variant\":2,"
      "\"visad\":\"141.4063\",\"delartal\":96,\"i_matrisen\":true,\"dioder\":\"G D B A\","
      "\"tusental\":\"x x x x\",\"hundratal\":\"x x x x\",\"tiotal\":\"V x x V\","
      "\"ental\":\"x V V "
      "x\",\"kanal\":\"141.4000\",\"namn\":\"\",\"iaru\":\"\"}],\"antal\":1,\"meddelanden\":[],"
      "\"avvisade\":0,\"rapport\":\" Frekvensen 141.4063 ger delartalet 96\\n\\n  Dioder i "
      "matrisen\\n\\n"
      "  x x x x  x x x x  V x x V  x V V x\\n  - - - L  K J I H  G F E D  C B A M\\n\","
      "\"obs\":\"Obs: delartalet 96 ger kanalen 141.4000 MHz, inte 141.4063.\"}");
}

TEST(EntryPoints, DrawsTheMatrixAsTheCardsDo) {
  const std::string drawn = drawing(451);
  EXPECT_EQ(drawn.rfind("{\"matris\":\"<svg class=\\\"matrix\\\"", 0), 0U) << drawn;
  EXPECT_NE(drawn.find(",\"smal\":\"<svg class=\\\"matrix narrow\\\" viewBox=\\\"0 0 320 324\\\""),
            std::string::npos)
      << drawn;
  EXPECT_EQ(drawing(10000), "{\"matris\":\"\",\"smal\":\"\"}");
}

TEST(EntryPoints, LayoutNamesThePlacesInTheLabelRowsOrder) {
  EXPECT_EQ(layout(),
            "{\"platser\":[\"\",\"\",\"\",\"L\",\"K\",\"J\",\"I\",\"H\",\"G\",\"F\",\"E\","
            "\"D\",\"C\",\"B\",\"A\",\"M\"],\"grupper\":[\"tusental\",\"hundratal\",\"tiotal\","
            "\"ental\"],\"ryms\":\"Ryms i matrisen.\",\"ryms_inte\":\"Ryms inte i matrisen: "
            "den har plats för delartal 0–1999.\"}");
}

// delartal-plan's messages without its name, pointing to the page's views.
TEST(EntryPoints, RefusalsAreDelartalPlansMessagesAsThePageShowsThem) {
  EXPECT_EQ(forward("14x", 1),
            "{\"status\":1,\"rader\":[],\"antal\":0,\"meddelanden\":[\"”14x”: ingen frekvens; "
            "skriv t.ex. 146.0125\"],\"avvisade\":1,\"rapport\":\"\",\"obs\":\"\"}");
  EXPECT_EQ(forward("-146", 2),
            "{\"status\":1,\"rader\":[],\"antal\":0,\"meddelanden\":[\"”-146”: variant 2 tar "
            "140.2 till 265.1875 MHz\"],\"avvisade\":1,\"rapport\":\"\",\"obs\":\"\"}");
  EXPECT_EQ(reverse("K J", 1),
            "{\"status\":1,\"rader\":[],\"antal\":0,\"meddelanden\":[\"”K J”: hundratalet K J "
            "ger 12, inte 0–9\"],\"avvisade\":1}");
  EXPECT_EQ(
      forward("J F D M", 1),
      "{\"status\":1,\"rader\":[],\"antal\":0,\"meddelanden\":[\"”J F D M”: ser ut som ett kort; "
      "skriv kortet under Dioder → frekvens\"],\"avvisade\":1,\"rapport\":\"\",\"obs\":\"\"}");
  EXPECT_NE(reverse("145.6", 0)
                .find("”145.6”: ser ut som en frekvens; skriv den under Frekvens → "
                      "dioder\""),
            std::string::npos);
}

// A large plan's first rows, and how many there are; a line refused for both
// variants is one line that gave nothing, one that gave a row for the other
// variant gave something.
TEST(EntryPoints, CountsTheLinesThatGaveNothing) {
  const std::string start = plan("145:145.1\n", 1, 2);
  EXPECT_EQ(start.find("\"frekvens\":\"145.025\""), std::string::npos) << start;
  EXPECT_NE(start.find("\"frekvens\":\"145.0125\""), std::string::npos) << start;
  EXPECT_NE(start.find("],\"antal\":9,"), std::string::npos) << start;
  const std::string rows = plan("300\nabc\n145.6\n140.3\n100:101\n", 0);
  EXPECT_NE(rows.find("\"avvisade\":3"), std::string::npos) << rows;
  EXPECT_NE(plan("300\n", 1).find("\"avvisade\":1"), std::string::npos);
}

TEST(EntryPoints, PlansKeepNamesAndMessagesAndGiveSheets) {
  const std::string lines = "145.6;Stugan \"vid\" sjön\nabc\n";
  const std::string rows = plan(lines, 1);
  EXPECT_NE(rows.find("\"namn\":\"Stugan \\\"vid\\\" sjön\",\"iaru\":\"RV48\"}]"),
            std::string::npos)
      << rows;
  EXPECT_NE(rows.find("\"meddelanden\":[\"rad 2: ”abc”: ingen frekvens"), std::string::npos)
      << rows;
  const std::string csv = sheet(lines, "csv", ';', 1);
  EXPECT_NE(csv.find("\"text\":\"frekvens;variant;"), std::string::npos) << csv;
  EXPECT_NE(csv.find("145,6;1;145,6000;416;"), std::string::npos) << csv;
  EXPECT_NE(csv.find("145,6000;\\\"Stugan \\\"\\\"vid\\\"\\\" sjön\\\""), std::string::npos) << csv;
  EXPECT_NE(sheet(lines, "csv", ',', 1).find("145.6,1,145.6000,416,"), std::string::npos);
  EXPECT_NE(sheet(lines, "html", ',', 1).find("<!DOCTYPE html>"), std::string::npos);
}

// A file's bytes become the plan's text as delartal-plan would read them.
TEST(EntryPoints, ListFilesAreReadInWhateverTheyWereSavedIn) {
  EXPECT_EQ(list_text("Name;Frequency\r\nH\xc3\xb6rby;145,6\r\n"),
            "{\"text\":\"Name;Frequency\\r\\nH\xc3\xb6rby;145,6\\r\\n\",\"meddelanden\":[]}");
  EXPECT_EQ(list_text("145.6;H\xc3\xb6\n145.5;R\xe4vjakt\n"),
            "{\"text\":\"145.6;H\xc3\xb6\\n145.5;R\xc3\xa4vjakt\\n\",\"meddelanden\":["
            "\"rad 2: läst som Windows-1252\"]}");
}

// One card, its name field empty to write on.
TEST(EntryPoints, PrintsTheCardOfOneResult) {
  const std::string forward_card = card("145.78", false, 1);
  EXPECT_EQ(forward_card.find("<section class=\\\"card\\\">"),
            forward_card.rfind("<section class=\\\"card\\\">"));
  EXPECT_NE(forward_card.find("Kanal 145.7750 MHz"), std::string::npos) << forward_card;
  EXPECT_NE(forward_card.find("<span class=\\\"blank written\\\"></span>"), std::string::npos);
  const std::string reverse_card = card("J F D M", true, 0);
  EXPECT_NE(reverse_card.find("Delartal <strong>451</strong>"), std::string::npos);
  EXPECT_NE(reverse_card.find("Variant 2: Offset 70,1"), std::string::npos);
}

}  // namespace
}  // namespace delartal::web
