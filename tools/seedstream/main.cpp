// dspseed: writes the parameter stream of SeededPresetImage (SeedImage.h)
// for `dspsim --stream FILE`, whose dynamics, effect-channel, automix,
// sub-control, test-signal and echo-cancellation values all differ from the
// factory preset's, so a whole-program run can see each of them arrive in the
// editor's controls. Prints the group controls for `dspsim --groups`.
// --edges writes EdgesPresetImage instead: values at the effect faders' ends.
//
//   dspseed [--edges] FILE
#include <cstdio>
#include <cstring>

#include "seedstream/SeedImage.h"

int main(int argc, char** argv) {
  const bool edges = argc == 3 && std::strcmp(argv[1], "--edges") == 0;
  if (argc != 2 && !edges) {
    std::fprintf(stderr, "usage: dspseed [--edges] FILE\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  const StreamBytes stream = EncodeStream(edges ? EdgesPresetImage() : SeededPresetImage());
  std::FILE* f = std::fopen(path, "wb");
  if (!f || std::fwrite(stream.data(), 1, stream.size(), f) != stream.size() || std::fclose(f) != 0) {
    std::perror(path);
    return 1;
  }
  std::printf("%s\n", kSeededGroupControls);
  return 0;
}
