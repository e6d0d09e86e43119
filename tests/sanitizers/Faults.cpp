// Commits the one fault named on its command line, so that the sanitizer
// builds show they end a program with a report on each kind: a leak, a read
// past a heap block, a signed overflow, two threads writing one value. Every size comes from the
// argument count, so the optimiser can neither see the fault nor remove it.
#include <cstdio>
#include <limits>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
  const std::string fault = argc > 1 ? argv[1] : "";
  const int n = argc;  // 2 for every fault
  if (fault == "leak") {
    const int* kept = new int[n]{n};
    std::printf("%d\n", kept[0]);
    return 0;
  }
  if (fault == "overrun") {
    const std::vector<int> values(n);
    std::printf("%d\n", values.data()[n]);
    return 0;
  }
  if (fault == "overflow") {
    int big = std::numeric_limits<int>::max() - 1;
    big += n;
    std::printf("%d\n", big);
    return 0;
  }
  if (fault == "race") {
    int shared = 0;
    std::thread other([&shared, n] { shared += n; });
    shared += n;
    other.join();
    std::printf("%d\n", shared);
    return 0;
  }
  std::fprintf(stderr, "usage: %s leak|overrun|overflow|race\n", argv[0]);
  return 2;
}
