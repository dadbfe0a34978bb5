#include "batch/lin.hpp"

#include <algorithm>
#include <climits>
#include <span>

#include "batch/blanks.hpp"

namespace bidgauge {
namespace {

// No field of interest comes near this; a longer one is held cut short.
constexpr std::size_t kLongestField = 1024;
// Positions in messages stay ints; past this they stop growing.
constexpr long kLastPosition = INT_MAX - static_cast<long>(kLongestField);

constexpr std::string_view kBoardHeader = "Board ";

bool isLetter(char ch) {
  return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// The board of a qx| field: o for the open room or c for the closed one, the
// board number, and maybe a comma and more.
std::optional<long> roomBoard(std::string_view value) {
  if (value.empty() || (value[0] != 'o' && value[0] != 'c' && value[0] != 'O' && value[0] != 'C')) {
    return std::nullopt;
  }
  return boardNumber(value.substr(1, value.find(',') - 1));
}

LinDeal malformed(std::string reason, long line) {
  LinDeal deal;
  deal.deal.errors.push_back("malformed LIN deal: " + std::move(reason));
  deal.line = line;
  return deal;
}

bool sameDeal(const std::array<SeatHand, 4>& a, const std::array<SeatHand, 4>& b, int count) {
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    if (a[i].seat != b[i].seat || a[i].hand != b[i].hand) return false;
  }
  return true;
}

}  // namespace

bool isLinLine(std::string_view text) {
  return text.starts_with("md|") || text.find("|md|") != std::string_view::npos;
}

void LinScanner::startLine(long number, long firstPosition) {
  line_ = number;
  column_ = tokenColumn_ = firstPosition;
}

std::vector<LinDeal> LinScanner::scan(std::string_view text) {
  std::vector<LinDeal> deals;
  for (;;) {
    const std::size_t bar = text.find('|');
    const std::string_view part = text.substr(0, bar);
    token_.append(part.substr(0, kLongestField - std::min(token_.size(), kLongestField)));
    tokenLength_ += part.size();
    if (bar == std::string_view::npos) {
      column_ += static_cast<long>(part.size());
      return deals;
    }
    column_ += static_cast<long>(bar) + 1;
    endToken(deals);
    text.remove_prefix(bar + 1);
  }
}

std::vector<LinDeal> LinScanner::endLine() {
  std::vector<LinDeal> deals;
  // The line's last value may go without its bar.
  if (!nameExpected_) {
    while (!token_.empty() && isBlank(token_.back())) token_.pop_back();
    if (tokenLength_ <= kLongestField) tokenLength_ = token_.size();
    endToken(deals);
  }
  finishDeal(deals);
  token_.clear();
  tokenLength_ = 0;
  nameExpected_ = true;
  nextBoard_.reset();
  nextBoardFromHeader_ = false;
  return deals;
}

void LinScanner::endToken(std::vector<LinDeal>& deals) {
  if (!nameExpected_) {
    onValue(token_, deals);
    nameExpected_ = true;
  } else if (tokenLength_ == 2 && isLetter(token_[0]) && isLetter(token_[1])) {
    // Anything else where a name belongs is passed over: a file glued on
    // without its last bar starts again at the next name.
    field_ = token_ == "md"   ? Field::deal
             : token_ == "qx" ? Field::room
             : token_ == "ah" ? Field::header
                              : Field::other;
    nameExpected_ = false;
  }
  token_.clear();
  tokenLength_ = 0;
  tokenColumn_ = column_;
}

void LinScanner::onValue(std::string_view value, std::vector<LinDeal>& deals) {
  const bool cutShort = tokenLength_ > value.size();
  switch (field_) {
    case Field::deal: {
      finishDeal(deals);
      std::string error;
      const auto position = static_cast<int>(std::min(tokenColumn_, kLastPosition));
      std::optional<DealHands> deal = cutShort ? std::nullopt : readLinDeal(value, position, error);
      if (deal) {
        open_ = LinDeal{nextBoard_, std::move(*deal), line_};
        openBoardFromHeader_ = nextBoardFromHeader_;
      } else {
        deals.push_back(malformed(cutShort ? "the md| field is too long" : error, line_));
      }
      nextBoard_.reset();
      nextBoardFromHeader_ = false;
      break;
    }
    case Field::room:
      finishDeal(deals);
      nextBoard_ = cutShort ? std::nullopt : roomBoard(value);
      nextBoardFromHeader_ = false;
      break;
    case Field::header: {
      if (!value.starts_with(kBoardHeader)) break;
      const std::optional<long> board =
          cutShort ? std::nullopt : boardNumber(value.substr(kBoardHeader.size()));
      if (open_ && !openBoardFromHeader_) {
        open_->board = board;
        openBoardFromHeader_ = true;
      } else {
        // A second header starts the next deal.
        finishDeal(deals);
        nextBoard_ = board;
        nextBoardFromHeader_ = true;
      }
      break;
    }
    case Field::other:
      break;
  }
}

void LinScanner::finishDeal(std::vector<LinDeal>& deals) {
  if (!open_) return;
  deals.push_back(std::move(*open_));
  open_.reset();
  openBoardFromHeader_ = false;
}

bool RecentDeals::repeats(const LinDeal& deal) {
  if (!deal.deal.errors.empty() || deal.deal.count == 0) return false;
  const Kept given{deal.board, deal.deal.seats, deal.deal.count};
  const auto kept = std::span(kept_).first(size_);
  if (std::any_of(kept.begin(), kept.end(), [&given](const Kept& earlier) {
        return earlier.board == given.board && earlier.count == given.count &&
               sameDeal(earlier.seats, given.seats, given.count);
      })) {
    return true;
  }
  kept_[next_] = given;
  next_ = (next_ + 1) % kKept;
  size_ = std::min(size_ + 1, kKept);
  return false;
}

}  // namespace bidgauge
