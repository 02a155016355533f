// quorvane-artwork OUTDIR: draws every asset file, the sample picture and
// writes them under OUTDIR/pic. The same bytes come out on every run.

#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "artwork/AssetTable.h"
#include "codecs/Codecs.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quorvane-artwork OUTDIR\n");
    return 2;
  }
  const std::filesystem::path out(argv[1]);
  const std::vector<qv::art::ArtworkJob> jobs = qv::art::ArtworkJobs();
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};

  // Jobs are independent and each writes its own file, so the order in which
  // the workers take them does not change any output byte.
  auto work = [&] {
    for (std::size_t i = next++; i < jobs.size() && !failed; i = next++) {
      try {
        const std::filesystem::path path = out / jobs[i].Path;
        std::filesystem::create_directories(path.parent_path());
        qv::WriteFileBytes(path.string(), qv::art::RenderJob(jobs[i]));
      } catch (const std::exception &e) {
        std::fprintf(stderr, "quorvane-artwork: %s: %s\n", jobs[i].Path.c_str(), e.what());
        failed = true;
      }
    }
  };
  const unsigned workers = std::max(1u, std::min(2u, std::thread::hardware_concurrency()));
  std::vector<std::thread> threads;
  for (unsigned t = 1; t < workers; ++t) threads.emplace_back(work);
  work();
  for (std::thread &t : threads) t.join();
  return failed ? 1 : 0;
}
