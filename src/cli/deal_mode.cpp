#include "cli/deal_mode.hpp"

#include <cstring>
#include <string>

#include "batch/output_buffer.hpp"
#include "study/deal_generator.hpp"
#include "study/whole_deal.hpp"

namespace bidgauge {

ExitStatus writeRandomDeals(std::optional<std::uint64_t> seed, long count, std::FILE* out,
                            std::FILE* err) {
  if (!seed) {
    seed = freshSeed();
    const std::string text = std::to_string(*seed);
    std::fprintf(err, "bidgauge: seed %s (repeat with --seed %s)\n", text.c_str(), text.c_str());
  }
  OutputBuffer buffer(out);
  for (long index = 0; index < count && !buffer.failed(); ++index) {
    buffer.append(dealString(randomDeal(*seed, static_cast<std::uint64_t>(index))));
    buffer.append("\n");
  }
  if (!buffer.flush()) {
    std::fprintf(err, "bidgauge: cannot write the output: %s\n", std::strerror(buffer.error()));
    return ExitStatus::failed;
  }
  return ExitStatus::ok;
}

}  // namespace bidgauge
