#include "study/study_input.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "study/study_run.hpp"
#include "study/study_test_deals.hpp"
#include "study/whole_deal.hpp"

namespace bidgauge {
namespace {

using testing_support::kClubDeal;
using testing_support::kSuitDeal;
using testing_support::readText;
using testing_support::ScratchFolder;

struct Form {
  std::string_view name;
  std::string text;
};

TEST(StudyInput, ReadsTheClubDealInEveryWholeDealForm) {
  const Form forms[] = {
      {"deal string", std::string(kClubDeal) + "\n"},
      {"deal string from West",
       "W:82.J973.T87.AK74 J76.AK.AQJ954.J3 QT.QT8542.62.Q52 AK9543.6.K3.T986\n"},
      {"generator line",
       "1 n J76.AK.AQJ954.J3 e QT.QT8542.62.Q52 s AK9543.6.K3.T986 w 82.J973.T87.AK74\n"},
      {"LIN", "pn|a,b,c,d|md|1SAK9543H6DK3CT986,S82HJ973DT87CAK74,SJ76HAKDAQJ954CJ3,|sv|o|\n"},
      {"PBN", "[Event \"club\"]\n[Board \"1\"]\n[Deal \"" + std::string(kClubDeal) + "\"]\n"},
      {"tricks cache", std::string(kClubDeal) + " --------------------\n"},
  };
  for (const Form& form : forms) {
    const StudyInput read = readText(form.text);
    EXPECT_TRUE(read.messages.empty()) << form.name << ": " << read.messages.front();
    ASSERT_EQ(read.deals.size(), 1u) << form.name;
    EXPECT_EQ(dealString(read.deals[0].deal), kClubDeal) << form.name;
    EXPECT_EQ(read.deals[0].tricks, DealTricks{}) << form.name;
  }
}

struct PassedOver {
  std::string_view name;
  std::string line;
  std::string_view message;  // after "in:2: "
};

TEST(StudyInput, PassesOverWhatIsNoWholeDealAndTellsWhere) {
  const PassedOver cases[] = {
      {"a hand left out", "N:J76.AK.AQJ954.J3 - AK9543.6.K3.T986 82.J973.T87.AK74",
       "deal passed over: 3 hands given, the study needs all 4"},
      {"spot cards", "N:J76.AK.AQJ954.Jx QT.QT8542.62.Q52 AK9543.6.K3.T986 82.J973.T87.AK74",
       "deal passed over: spot cards written as x, the study needs every card"},
      {"three generator hands", "n J76.AK.AQJ954.J3 e QT.QT8542.62.Q52 s AK9543.6.K3.T986",
       "deal passed over: 3 hands given, the study needs all 4"},
      {"a hand alone", "AK32.QJ4.T98.765", "a hand alone passed over: the study needs whole deals"},
      {"a typed hand alone", "AK32 QJ4 T98 765 ",
       "a hand alone passed over: the study needs whole deals"},
      {"a card twice", "N:J76.AK.AQJ954.J3 JT.QT8542.62.Q52 AK9543.6.K3.T986 82.J973.T87.AK74",
       "the Jack of Spades is in both N and E"},
      {"a cache line of three hands",
       "N:J76.AK.AQJ954.J3 - AK9543.6.K3.T986 82.J973.T87.AK74 " + std::string(20, '-'),
       "no tricks cache line: a whole deal and 20 characters of tricks expected"},
  };
  for (const PassedOver& bad : cases) {
    // Deals of the same form around it, so that it is read as they are.
    const bool cache = bad.line.ends_with(std::string(20, '-'));
    const std::string good = std::string(cache ? kSuitDeal : kClubDeal) +
                             (cache ? " " + std::string(20, '-') : "") + "\n";
    const StudyInput read = readText(good + bad.line + "\n" + good);
    ASSERT_EQ(read.messages.size(), 1u) << bad.name;
    EXPECT_EQ(read.messages[0], "in:2: " + std::string(bad.message)) << bad.name;
    EXPECT_TRUE(read.anyInvalid);
    ASSERT_EQ(read.deals.size(), 2u) << bad.name;
    EXPECT_EQ(read.deals[1].number, 1) << bad.name;
  }
}

TEST(StudyInput, ReadsARepeatedLinDealOnce) {
  const std::string room = "qx|o1|md|1SAK9543H6DK3CT986,S82HJ973DT87CAK74,SJ76HAKDAQJ954CJ3,|\n";
  EXPECT_EQ(readText(room + room).deals.size(), 1u);
}

// A PBN game of the club deal with the given tags after its Deal tag.
std::string clubGame(std::string_view tags) {
  return "[Board \"1\"]\n[Deal \"" + std::string(kClubDeal) + "\"]\n" + std::string(tags);
}

// The optimum result table of a deal where declarer d in strain s takes
// (4s + d) % 14 tricks, for the strains in `strains` (NT, S, H, D, C letters).
std::string resultTable(std::string_view strains) {
  static constexpr std::string_view kDenominations[] = {"S", "H", "D", "C", "NT"};
  std::string table = "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\n";
  for (int seat = 0; seat < kSeatCount; ++seat) {
    for (int strain = 0; strain < kStrainCount; ++strain) {
      const std::string_view name = kDenominations[strain];
      if (strains.find(name[0]) == std::string_view::npos) continue;
      table += std::string(1, kSeats[static_cast<std::size_t>(seat)]) + " " + std::string(name) +
               " " + std::to_string((4 * strain + seat) % 14) + "\n";
    }
  }
  return table;
}

DealTricks madeUpTricks() {
  DealTricks tricks;
  for (std::size_t strain = 0; strain < kStrainCount; ++strain) {
    for (std::size_t seat = 0; seat < kSeatCount; ++seat) {
      tricks.tricks[strain][seat] = static_cast<std::int8_t>((4 * strain + seat) % 14);
    }
  }
  return tricks;
}

TEST(StudyInput, TakesTheTricksAPbnGameCarries) {
  // The same made-up tricks as both tags give them.
  const std::string games[] = {
      clubGame("[DoubleDummyTricks \"2048c426a03159d537b1\"]\n"),
      clubGame("[DoubleDummyTricks \"2048C426A03159D537B1\"]\n"),
      clubGame(resultTable("NSHDC")),
      clubGame(resultTable("NS") + "[Event \"x\"]\n" + resultTable("HDC")),
      clubGame("[DoubleDummyTricks \"2048c-------59d537b1\"]\n" + resultTable("NSHDC")),
  };
  for (const std::string& game : games) {
    const StudyInput read = readText(game + "\n");
    EXPECT_TRUE(read.messages.empty()) << game << read.messages.front();
    ASSERT_EQ(read.deals.size(), 1u) << game;
    const DealTricks& tricks = read.deals[0].tricks;
    EXPECT_EQ(tricks.tricks[kNotrump][kNorth], 2) << game;
    EXPECT_EQ(tricks.tricks[kClubs][kEast], 13) << game;
    EXPECT_EQ(tricks.tricks[kDiamonds][kWest], 11) << game;
    EXPECT_EQ(tricks, madeUpTricks()) << game;
    EXPECT_FALSE(needsSolving(read.deals[0])) << game;
  }
}

TEST(StudyInput, LeavesUnknownWhatAGameDoesNotGive) {
  const StudyInput read = readText(clubGame(resultTable("N")) + "\n" + clubGame("") +
                                   "[DoubleDummyTricks \"2048c426a03159d537b1\"]\n");
  ASSERT_EQ(read.deals.size(), 2u);
  EXPECT_TRUE(read.deals[0].tricks.known(kNotrump));
  EXPECT_FALSE(read.deals[0].tricks.known(kSpades));
  EXPECT_TRUE(needsSolving(read.deals[0]));
  EXPECT_EQ(read.deals[1].tricks, madeUpTricks());  // the first game's tags stay with it
}

TEST(StudyInput, WarnsOfTricksTagsItCannotRead) {
  const StudyInput read = readText(clubGame(
      "[DoubleDummyTricks \"2048c426a03159d537\"]\n"
      "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\nN NT 9\nN XX 9\nS NT -\n"
      "[OptimumResultTable \"Declarer;Result\\2R\"]\nN 9\n"));
  ASSERT_EQ(read.deals.size(), 1u);
  EXPECT_EQ(read.deals[0].tricks.tricks[kNotrump][kNorth], 9);
  EXPECT_EQ(read.deals[0].tricks.tricks[kNotrump][kSouth], DealTricks::kUnknown);
  EXPECT_FALSE(read.anyInvalid);
  const std::vector<std::string> expected = {
      "in:3: warning: malformed DoubleDummyTricks tag: 20 characters 0-9, a-d or '-' expected",
      "in:4: warning: OptimumResultTable row \"N XX 9\" passed over",
      "in:8: warning: OptimumResultTable tag without the columns Declarer, Denomination and "
      "Result: passed over"};
  EXPECT_EQ(read.messages, expected);
}

TEST(StudyInput, NumbersOnFromTheDealsAlreadyRead) {
  StudyInput read = readText(std::string(kClubDeal) + "\n");
  const testing_support::InputText more(std::string(kSuitDeal) + " " + std::string(20, '-'));
  readStudyInput(more.file(), "more", read);
  ASSERT_EQ(read.deals.size(), 2u);
  EXPECT_EQ(read.deals[1].number, 1);
}

TEST(StudyInput, ReadsAPipeLikeAFile) {
  const ScratchFolder folder("pipe");
  const std::string path = folder.file("deals");
  std::ofstream(path) << kClubDeal << " 2048c426a03159d537b1\n";
  std::FILE* pipe = popen(("cat " + path).c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  StudyInput read;
  readStudyInput(pipe, "<stdin>", read);
  pclose(pipe);
  EXPECT_EQ(read.error, 0);
  ASSERT_EQ(read.deals.size(), 1u);
  EXPECT_EQ(read.deals[0].tricks, madeUpTricks());
}

}  // namespace
}  // namespace bidgauge
