// The least a program can do in delartal's place: read the two answers with
// scanf and print one line with printf. The benchmark's yardstick.
#include <cstdio>

int main() {
  int choice = 0;
  float freq = 0;
  std::printf("? ");
  if (std::scanf("%i", &choice) != 1 || std::scanf("%f", &freq) != 1) return 1;
  std::printf("%.4f %i\n", static_cast<double>(freq), choice);
  return 0;
}
