#include "cli/study_mode.hpp"

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>

#include "batch/file_open.hpp"
#include "study/deal_generator.hpp"
#include "study/measures.hpp"
#include "study/report_files.hpp"
#include "study/report_text.hpp"
#include "study/solving_progress.hpp"
#include "study/study_input.hpp"
#include "study/study_run.hpp"
#include "study/trick_solver.hpp"
#include "study/tricks_cache.hpp"
#include "study/workers.hpp"

namespace bidgauge {
namespace {

// The solved deals' file when none is named: in the report's folder, if
// there is one, else in the current folder.
constexpr const char* kCacheName = "study.tricks";
constexpr const char* kStdinName = "<stdin>";

void tell(std::FILE* err, const std::string& message) {
  std::fprintf(err, "bidgauge: %s\n", message.c_str());
}

std::string cachePathOf(const StudyRequest& request) {
  if (request.cachePath) return *request.cachePath;
  if (request.reportDir) return (std::filesystem::path(*request.reportDir) / kCacheName).string();
  return kCacheName;
}

// The deals of the files, or the seeded random ones; the status so far.
ExitStatus readDeals(const StudyRequest& request, const std::vector<std::string>& files,
                     std::optional<std::uint64_t> seed, std::FILE* err,
                     std::vector<SolvedDeal>& deals) {
  if (request.randomDeals > 0) {
    if (!seed) {
      seed = freshSeed();
      const std::string text = std::to_string(*seed);
      tell(err, "seed " + text + " (repeat with --seed " + text + ")");
    }
    const std::uint64_t chosen = *seed;
    deals = generatedDeals(request.randomDeals, [chosen](long index) {
      return randomDeal(chosen, static_cast<std::uint64_t>(index));
    });
    return ExitStatus::ok;
  }
  StudyInput input;
  ExitStatus status = ExitStatus::ok;
  const std::vector<std::string> standardInput = {"-"};
  for (const std::string& file : files.empty() ? standardInput : files) {
    const bool isStdin = file == "-";
    const std::string name = isStdin ? std::string(kStdinName) : file;
    std::FILE* in = isStdin ? stdin : openForReading(file);
    if (in == nullptr) {
      tell(err, name + ": " + std::strerror(errno));
      return ExitStatus::failed;
    }
    readStudyInput(in, name, input);
    if (!isStdin) std::fclose(in);
    for (const std::string& message : input.messages) std::fprintf(err, "%s\n", message.c_str());
    input.messages.clear();
    if (input.error != 0) {
      tell(err, name + ": " + std::strerror(input.error));
      return ExitStatus::failed;
    }
  }
  if (input.anyInvalid) status = ExitStatus::invalidLines;
  deals = std::move(input.deals);
  if (deals.empty()) {
    tell(err, "no whole deal found: a study needs deals of four hands");
    return ExitStatus::failed;
  }
  return status;
}

// Solves this worker's share of the deals; false, having said why, when it
// could not.
bool solveShare(std::vector<SolvedDeal>& deals, const std::string& cachePath,
                const Workers& workers, std::FILE* err) {
  // cachePath empty: nothing to keep.
  std::string why;
  const std::unique_ptr<TrickSolver> solver = makeTrickSolver(why);
  SolvingOptions options;
  options.share = {workers.rank(), workers.count()};
  // Several workers: the first writes the cache whole once every share is in.
  if (workers.count() == 1) options.cachePath = cachePath;
  ProgressLine progress(workers.leads() && isTerminal(err) ? err : nullptr);
  const SolvingOutcome outcome =
      runSolving(deals, solver.get(), why, options,
                 [&progress](long done, long total) { progress.show(done, total); });
  progress.clear();
  for (const std::string& message : outcome.messages) tell(err, message);
  if (!outcome.error.empty()) tell(err, outcome.error);
  return outcome.error.empty();
}

bool anyUnsolved(const std::vector<SolvedDeal>& deals) {
  for (const SolvedDeal& deal : deals) {
    if (needsSolving(deal)) return true;
  }
  return false;
}

// The answer: the table on `out`, and the report when asked for.
ExitStatus answer(const StudyRequest& request, const std::vector<SolvedDeal>& deals, std::FILE* out,
                  std::FILE* err) {
  try {
    const StudyResults results = measureStudy(deals);
    const std::string table = studyTable(results);
    if (std::fwrite(table.data(), 1, table.size(), out) != table.size() || std::fflush(out) != 0) {
      tell(err, std::string("cannot write the output: ") + std::strerror(errno));
      return ExitStatus::failed;
    }
    if (request.reportDir) {
      writeReport(results, *request.reportDir);
      tell(err, "report written in " + *request.reportDir);
    }
  } catch (const std::exception& failure) {
    tell(err, failure.what());
    return ExitStatus::failed;
  }
  return ExitStatus::ok;
}

// The first worker's part before the solving: the deals, with the tricks
// the cache already holds when the solving is shared.
ExitStatus prepare(const StudyRequest& request, const std::vector<std::string>& files,
                   std::optional<std::uint64_t> seed, const std::string& cachePath,
                   const Workers& workers, std::FILE* err, std::vector<SolvedDeal>& deals) {
  if (request.reportDir) {
    if (const auto missing = reportToolMissing()) {
      tell(err, *missing);
      return ExitStatus::failed;
    }
  }
  const ExitStatus status = readDeals(request, files, seed, err, deals);
  if (status == ExitStatus::failed) {
    deals.clear();
    return status;
  }
  if (workers.count() > 1) {
    std::vector<std::string> messages;
    reuseCachedTricks(deals, cachePath, messages);
    for (const std::string& message : messages) tell(err, message);
  }
  return status;
}

}  // namespace

ExitStatus runStudy(const StudyRequest& request, const std::vector<std::string>& files,
                    std::optional<std::uint64_t> seed, std::FILE* out, std::FILE* err) {
  const std::unique_ptr<Workers> workers = joinWorkers();
  const std::string cachePath = cachePathOf(request);
  std::vector<SolvedDeal> deals;
  ExitStatus status = ExitStatus::ok;
  if (workers->leads()) status = prepare(request, files, seed, cachePath, *workers, err, deals);
  workers->shareDeals(deals);
  if (!deals.empty()) {
    if (request.reportDir && workers->leads()) {
      std::error_code ignored;
      std::filesystem::create_directories(*request.reportDir, ignored);
    }
    // Deals that come with all their tricks need no cache unless one is named.
    const bool keep = request.cachePath || anyUnsolved(deals);
    const std::string kept = keep ? cachePath : std::string();
    const bool solved = solveShare(deals, kept, *workers, err);
    workers->gatherTricks(deals);
    if (workers->leads()) {
      std::string error;
      if (!solved || anyUnsolved(deals)) {
        status = ExitStatus::failed;
      } else if (keep && workers->count() > 1 && !writeCacheFile(kept, deals, error)) {
        tell(err, error);
        status = ExitStatus::failed;
      } else {
        if (keep) {
          tell(err, "the deals' tricks are kept in " + kept + " (study it again with --study " +
                        kept + ")");
        }
        const ExitStatus answered = answer(request, deals, out, err);
        if (answered != ExitStatus::ok) status = answered;
      }
    }
  }
  return static_cast<ExitStatus>(workers->agreeOnStatus(exitCode(status)));
}

}  // namespace bidgauge
