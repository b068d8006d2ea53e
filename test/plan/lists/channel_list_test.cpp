// Lists as other programs and old systems write them, read through the whole
// command: every line gives its rows, under the name it gives them, or a
// message; what the operator is told is in the messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/plan.hpp"
#include "support.hpp"

namespace delartal::plan {
namespace {

struct Result {
  std::vector<std::string> names;  // of the CSV's rows, in order
  std::string err;
  int status;
};

// The list read with -v 1 -f csv, handed over `chunk` bytes at a time.
Result read(std::string_view list, std::size_t chunk) {
  test::StringSource in(list, chunk);
  test::StringSink out;
  test::StringSink err;
  const int status = run_plan({"-v", "1", "-f", "csv"}, in, out, err);
  Result result{{}, err.text(), status};
  const std::string& csv = out.text();
  // Past the header, the name is the twelfth of a row's plain fields.
  for (std::size_t start = csv.find("\r\n") + 2; start < csv.size();) {
    const std::size_t end = csv.find("\r\n", start);
    std::size_t field = start;
    for (int comma = 0; comma < 11; ++comma) field = csv.find(',', field) + 1;
    result.names.push_back(csv.substr(field, csv.find(',', field) - field));
    start = end + 2;
  }
  return result;
}

TEST(ChannelList, GivesEveryLineItsRowsOrAMessage) {
  const struct {
    const char* what;
    std::string list;
    std::vector<std::string> names;
    const char* told;  // a part of the messages, or "" for none at all
  } cases[] = {
      {"lone CRs", "145.6 Hemma\r145.7 Stugan\r", {"Hemma", "Stugan"}, ""},
      {"CSV with lone CRs", "Name,Frequency\rA,145.6\rB,145.7\r", {"A", "B"}, ""},
      {"mixed line ends", "145.6;A\r\n145.7;B\r145.8;C\n\r\n145.9;D", {"A", "B", "C", "D"}, ""},
      {"# in a CSV", "Name,Frequency\n#1 Stugan,145.6\n# kommentar,\n", {"#1 Stugan"}, ""},
      {"# in a plain list", "145.6 Hemma # gammal\n#145.7 Stugan\n", {"Hemma"}, ""},
      {"two exports joined",
       "\xEF\xBB\xBFName,Frequency\nA,145.6\n\xEF\xBB\xBFName,Frequency\nB,145.7\n",
       {"A", "B"},
       ""},
      {"a BOM inside a line", "x\xEF\xBB\xBFy\n", {}, "”x<FEFF>y”: ingen frekvens"},
      {"encodings per line",
       "145.6;R\xE4ttvik\n145.7;V\xC3\xA4ster\xC3\xA5s\n",
       {"R\xC3\xA4ttvik", "V\xC3\xA4ster\xC3\xA5s"},
       "rad 1: läst som Windows-1252"},
      {"receive frequency",
       "No.,Channel Name,Receive Frequency,Transmit Frequency\n1,A,145.6,145\n",
       {"A"},
       ""},
      {"RX- and TX-frekvens", "RX-frekvens;TX-frekvens;Namn\n145,6;145,0;Hemma\n", {"Hemma"}, ""},
      {"a unit in the header",
       "Name,TX Frequency (MHz),RX Frequency (MHz)\nA,145,145.6\n",
       {"A"},
       ""},
      {"sep=", "sep=;\r\nName;Frequency\r\nA;145,6\r\n", {"A"}, ""},
      {"a header it does not know",
       "Kanal,Tx,Rx\n1,145.0,145.6\n2,145.1,145.7\n",
       {},
       "rad 1: ”Kanal,Tx,Rx”: ingen kolumn med frekvensen"},
      {"NUL in a name", std::string("145.6;a\0b\n", 10), {"a<00>b"}, ""},
  };
  for (const auto& c : cases) {
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{4096}}) {
      const Result got = read(c.list, chunk);
      EXPECT_EQ(got.names, c.names) << c.what << ", " << chunk;
      if (*c.told == '\0') {
        EXPECT_EQ(got.err, "") << c.what << ", " << chunk;
        EXPECT_EQ(got.status, 0) << c.what;
      } else {
        EXPECT_NE(got.err.find(c.told), std::string::npos) << c.what << ": " << got.err;
      }
    }
  }
}

TEST(ChannelList, ReadsACharacterSplitBetweenTwoReadsWhole) {
  // Each byte its own read: the two bytes of "ä", and of a CR LF, arrive apart.
  const Result got = read("145.6;V\xC3\xA4ster\xC3\xA5s\r\n145.7;\xC3\xA5\r\n", 1);
  EXPECT_EQ(got.names, (std::vector<std::string>{"V\xC3\xA4ster\xC3\xA5s", "\xC3\xA5"}));
  EXPECT_EQ(got.err, "");
}

TEST(ChannelList, NamesTheFirstLinesReadAsWindows1252AndHowMany) {
  EXPECT_NE(read("145.6;\xE4\n145.7;\xE4\n", 4096).err.find("läst som Windows-1252: rad 1 och 2"),
            std::string::npos);
  const std::string many = read("145.6;\xE4\n145.7\n145.7;\xE4\n145.8;\xE5\n", 4096).err;
  EXPECT_NE(many.find("läst som Windows-1252: 3 rader, först rad 1 och 3"), std::string::npos)
      << many;
}

}  // namespace
}  // namespace delartal::plan
