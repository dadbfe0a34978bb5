#include <mpi.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "study/workers.hpp"

namespace bidgauge {
namespace {

static_assert(std::is_trivially_copyable_v<SolvedDeal>);
static_assert(std::is_trivially_copyable_v<DealTricks>);

// MPI counts are ints: larger messages go in parts.
constexpr std::size_t kPartBytes = std::size_t{1} << 30;

void broadcastBytes(void* data, std::size_t size) {
  auto* bytes = static_cast<unsigned char*>(data);
  for (std::size_t done = 0; done < size; done += kPartBytes) {
    const auto part = static_cast<int>(std::min(kPartBytes, size - done));
    MPI_Bcast(bytes + done, part, MPI_BYTE, 0, MPI_COMM_WORLD);
  }
}

// Deals i, i + step, i + 2 step... of `total`: how many there are.
std::size_t dealsOfRank(std::size_t total, int rank, int step) {
  const auto first = static_cast<std::size_t>(rank);
  return total > first ? (total - first + static_cast<std::size_t>(step) - 1) / step : 0;
}

// Every process mpirun started; the machines they run on are mpirun's business.
class MpiWorkers final : public Workers {
 public:
  MpiWorkers() {
    int ready = 0;
    MPI_Initialized(&ready);
    if (ready == 0) MPI_Init(nullptr, nullptr);
    MPI_Comm_rank(MPI_COMM_WORLD, &rank_);
    MPI_Comm_size(MPI_COMM_WORLD, &count_);
  }
  ~MpiWorkers() override { MPI_Finalize(); }
  MpiWorkers(const MpiWorkers&) = delete;
  MpiWorkers& operator=(const MpiWorkers&) = delete;

  int rank() const override { return rank_; }
  int count() const override { return count_; }

  void shareDeals(std::vector<SolvedDeal>& deals) override {
    auto size = static_cast<std::uint64_t>(deals.size());
    MPI_Bcast(&size, 1, MPI_UINT64_T, 0, MPI_COMM_WORLD);
    deals.resize(static_cast<std::size_t>(size));
    broadcastBytes(deals.data(), deals.size() * sizeof(SolvedDeal));
  }

  void gatherTricks(std::vector<SolvedDeal>& deals) override {
    const auto step = static_cast<std::size_t>(count_);
    if (!leads()) {
      std::vector<DealTricks> mine;
      for (std::size_t i = rank_; i < deals.size(); i += step) mine.push_back(deals[i].tricks);
      send(mine);
      return;
    }
    for (int from = 1; from < count_; ++from) {
      std::vector<DealTricks> theirs(dealsOfRank(deals.size(), from, count_));
      receive(theirs, from);
      for (std::size_t j = 0; j < theirs.size(); ++j) deals[from + j * step].tricks = theirs[j];
    }
  }

  int agreeOnStatus(int status) override {
    MPI_Bcast(&status, 1, MPI_INT, 0, MPI_COMM_WORLD);
    return status;
  }

 private:
  static void send(std::vector<DealTricks>& tricks) {
    auto* bytes = reinterpret_cast<unsigned char*>(tricks.data());
    const std::size_t size = tricks.size() * sizeof(DealTricks);
    for (std::size_t done = 0; done < size; done += kPartBytes) {
      const auto part = static_cast<int>(std::min(kPartBytes, size - done));
      MPI_Send(bytes + done, part, MPI_BYTE, 0, 0, MPI_COMM_WORLD);
    }
  }

  static void receive(std::vector<DealTricks>& tricks, int from) {
    auto* bytes = reinterpret_cast<unsigned char*>(tricks.data());
    const std::size_t size = tricks.size() * sizeof(DealTricks);
    for (std::size_t done = 0; done < size; done += kPartBytes) {
      const auto part = static_cast<int>(std::min(kPartBytes, size - done));
      MPI_Recv(bytes + done, part, MPI_BYTE, from, 0, MPI_COMM_WORLD, MPI_STATUS_IGNORE);
    }
  }

  int rank_ = 0;
  int count_ = 1;
};

}  // namespace

std::unique_ptr<Workers> joinWorkers() {
  return std::make_unique<MpiWorkers>();
}

}  // namespace bidgauge
