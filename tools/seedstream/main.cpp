// dspseed: writes the parameter stream of SeededPresetImage (SeedImage.h)
// for `dspsim --stream FILE`, whose dynamics, effect-channel, automix,
// sub-control, test-signal and echo-cancellation values all differ from the
// factory preset's, so a whole-program run can see each of them arrive in the
// editor's controls. Prints the group controls for `dspsim --groups`.
//
//   dspseed FILE
#include <cstdio>

#include "seedstream/SeedImage.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dspseed FILE\n");
    return 2;
  }
  const StreamBytes stream = EncodeStream(SeededPresetImage());
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f || std::fwrite(stream.data(), 1, stream.size(), f) != stream.size() || std::fclose(f) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  std::printf("%s\n", kSeededGroupControls);
  return 0;
}
