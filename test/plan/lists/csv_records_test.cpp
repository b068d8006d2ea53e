#include "lists/csv_records.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/list_header.hpp"

namespace delartal::plan {
namespace {

using Fields = std::vector<std::string>;

// Each record of `text`, read and split, with how it was read.
struct Record {
  RecordRead read;
  std::uint64_t line_ends;
  Fields fields;
};

std::vector<Record> records_of(const std::string& text, char delimiter) {
  TextSource source(text);
  Input in(source);
  std::vector<Record> records;
  std::string record;
  for (;;) {
    const RecordReading reading = read_record(in, delimiter, record);
    if (reading.read == RecordRead::ended) return records;
    Fields fields;
    split_record(record, delimiter, fields);
    records.push_back({reading.read, reading.line_ends, fields});
  }
}

TEST(CsvRecords, SplitsFieldsAsRfc4180HasThem) {
  const struct {
    const char* text;
    char delimiter;
    Fields fields;
  } cases[] = {
      {"1,SK0RK,145.600000", ',', {"1", "SK0RK", "145.600000"}},
      {"1,\"anrop, simplex\",145.5", ',', {"1", "anrop, simplex", "145.5"}},
      {"\"Stugan \"\"vid\"\" sjön\";145,6", ';', {"Stugan \"vid\" sjön", "145,6"}},
      {"a,,c,", ',', {"a", "", "c", ""}},
      {" 1 ,\t145.600000\t, \"x y\" ", ',', {"1", "145.600000", "x y"}},
      {"1\t2 3\t\"4\t5\"", '\t', {"1", "2 3", "4\t5"}},
      // A quote inside an unquoted field is text, and text after a closing
      // quote goes on, as spreadsheets read them.
      {"5\" skärm,\"a\"b", ',', {"5\" skärm", "ab"}},
      {"", ',', {""}},
  };
  for (const auto& c : cases) {
    Fields fields;
    split_record(c.text, c.delimiter, fields);
    EXPECT_EQ(fields, c.fields) << c.text;
  }
}

TEST(CsvRecords, EndsRecordsAtLineEndsOutsideQuotes) {
  const std::vector<Record> records = records_of("a,b\r\n\"två\nrader\",c\r\nsist", ',');
  ASSERT_EQ(records.size(), 3U);
  EXPECT_EQ(records[0].fields, (Fields{"a", "b"}));
  EXPECT_EQ(records[0].line_ends, 1U);
  EXPECT_EQ(records[1].fields, (Fields{"två\nrader", "c"}));
  EXPECT_EQ(records[1].line_ends, 2U);
  EXPECT_EQ(records[2].fields, (Fields{"sist"}));
  EXPECT_EQ(records[2].read, RecordRead::record);
}

TEST(CsvRecords, ReportsAnOpenQuoteAndAnOverlongRecord) {
  std::vector<Record> records = records_of("1,ok\n2,\"aldrig\nstängd,3\n", ',');
  ASSERT_EQ(records.size(), 2U);
  EXPECT_EQ(records[0].read, RecordRead::record);
  EXPECT_EQ(records[1].read, RecordRead::unclosed);
  EXPECT_EQ(records[1].fields.back(), "aldrig\nstängd,3\n");

  // A long quoted field is passed over to its end, whatever it holds.
  const std::string long_field = "\"" + std::string(max_record, 'x') + "\n,\"\"\",y";
  records = records_of("a," + long_field + "\nnästa\n", ',');
  ASSERT_EQ(records.size(), 2U);
  EXPECT_EQ(records[0].read, RecordRead::too_long);
  EXPECT_EQ(records[1].fields, (Fields{"nästa"}));
}

TEST(ListHeader, FindsTheColumnsOfEachKindOfList) {
  const struct {
    const char* line;
    char delimiter;
    std::size_t key;
    std::optional<std::size_t> name;
    std::optional<std::size_t> variant;
  } cases[] = {
      {"Location,Name,Frequency,Duplex,Offset,Tone", ',', 2, 1, std::nullopt},
      {"Channel Number,Channel Name,Channel Type,Rx Frequency,Tx Frequency", ',', 3, 1,
       std::nullopt},
      {"frekvens;variant;visad;delartal;namn;iaru", ';', 0, 4, 1},
      {"\"FREQUENCY\"\t name ", '\t', 0, 1, std::nullopt},
      {"No.,Channel Name,Receive Frequency,Transmit Frequency", ',', 2, 1, std::nullopt},
      {"RX-frekvens;TX-frekvens;Namn", ';', 0, 2, std::nullopt},
      {"Kanal,TX Frequency (MHz),RX Frequency (MHz)", ',', 2, std::nullopt, std::nullopt},
      {"Tx Freq\tRx_Freq\tName", '\t', 1, 2, std::nullopt},
      {"Namn;Mottagningsfrekvens;Sändningsfrekvens", ';', 1, 0, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<ListColumns> columns = read_list_header(c.line, false).columns;
    ASSERT_TRUE(columns) << c.line;
    EXPECT_EQ(columns->delimiter, c.delimiter) << c.line;
    EXPECT_EQ(columns->key, c.key) << c.line;
    EXPECT_EQ(columns->name, c.name) << c.line;
    EXPECT_EQ(columns->variant, c.variant) << c.line;
  }
  // With -r, delartal-plan's own CSV gives its dividers.
  EXPECT_EQ(read_list_header("delartal,variant,kanal,fran,till", true).columns->key, 0U);
  EXPECT_EQ(read_list_header("frekvens,variant,visad,delartal", true).columns->key, 3U);
  // A first line "sep=;" sets the delimiter, and the header follows it.
  EXPECT_EQ(separator_line("sep=;"), ';');
  EXPECT_EQ(separator_line("SEP=\t"), '\t');
  EXPECT_EQ(separator_line("sep=;;"), 0);
  EXPECT_EQ(read_list_header("Name;Frequency,MHz", false, ';').columns, std::nullopt);
}

TEST(ListHeader, TellsAHeaderItDoesNotKnowFromALine) {
  const struct {
    const char* line;
    bool unknown;
  } cases[] = {
      {"145.600;Frequency", false}, {"145.6 SK0RK", false},       {"Frequency test", false},
      {"frekvens,145.6", false},    {"J,F,D,M", false},           {"Location,Name,Freq", true},
      {"Tx Frequency,Name", true},  {"No.;Kanal;Sändning", true},
  };
  for (const auto& c : cases) {
    const HeaderReading reading = read_list_header(c.line, false);
    EXPECT_FALSE(reading.columns) << c.line;
    EXPECT_EQ(reading.unknown, c.unknown) << c.line;
  }
  EXPECT_FALSE(read_list_header("Location,Name,Frequency", true).columns);
}

}  // namespace
}  // namespace delartal::plan
