// The smallest number of sites that dominate an R x C grid graph (every point a
// site or next to one), by a dynamic program over the points in column order.
//
// Why the bench needs it: on the lattice family (points 5 apart with Manhattan
// distances, every demand 10, every fixed cost 100) serving a neighbour costs 50,
// half a site, and a point two steps away costs 100, as much as a site of its
// own. The fixed charge with the number free therefore costs 50 x R x C + 50 x γ,
// γ the domination number of the grid: 10,500 + 50 γ for 14 x 15. This program
// gives the optimum that the exact method's solution is checked against.
//
// usage: bench_grid_domination ROWS COLUMNS   (ROWS <= 16; memory 2 x 3^ROWS bytes)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// State of the latest decided point of a row, one base-3 digit per row.
enum PointState : int { Chosen = 0, Dominated = 1, Waiting = 2 };  // Waiting: needs its right neighbour
constexpr uint8_t Unreachable = 255;

struct Profiles {
  explicit Profiles(int rows) : power(rows + 1, 1) {
    for (int r = 1; r <= rows; ++r) power[r] = power[r - 1] * 3;
  }
  int Digit(int64_t profile, int row) const { return static_cast<int>(profile / power[row] % 3); }
  int64_t WithDigit(int64_t profile, int row, int from, int to) const {
    return profile + (to - from) * power[row];
  }
  int64_t Count() const { return power.back(); }
  std::vector<int64_t> power;
};

void KeepSmaller(uint8_t& slot, int value) { slot = static_cast<uint8_t>(std::min<int>(slot, value)); }

// Decides point (row, column) for every profile: chosen, or left out when the
// point to its left does not wait for it.
void DecidePoint(const Profiles& p, int row, const std::vector<uint8_t>& before,
                 std::vector<uint8_t>& after) {
  std::fill(after.begin(), after.end(), Unreachable);
  for (int64_t profile = 0; profile < p.Count(); ++profile) {
    const int sites = before[profile];
    if (sites == Unreachable) continue;
    const int left = p.Digit(profile, row);
    const int above = row > 0 ? p.Digit(profile, row - 1) : Dominated;
    int64_t chosen = p.WithDigit(profile, row, left, Chosen);
    if (above == Waiting) chosen = p.WithDigit(chosen, row - 1, Waiting, Dominated);
    KeepSmaller(after[chosen], sites + 1);
    if (left == Waiting) continue;
    const int state = left == Chosen || above == Chosen ? Dominated : Waiting;
    KeepSmaller(after[p.WithDigit(profile, row, left, state)], sites);
  }
}

bool NoneWaiting(int64_t profile) {
  for (; profile > 0; profile /= 3)
    if (profile % 3 == Waiting) return false;
  return true;
}

int DominationNumber(int rows, int columns) {
  const Profiles p(rows);
  std::vector<uint8_t> before(p.Count(), Unreachable), after(p.Count());
  int64_t outside = 0;  // a column left of the grid: dominated, never chosen
  for (int r = 0; r < rows; ++r) outside = p.WithDigit(outside, r, Chosen, Dominated);
  before[outside] = 0;
  for (int c = 0; c < columns; ++c)
    for (int r = 0; r < rows; ++r) {
      DecidePoint(p, r, before, after);
      before.swap(after);
    }
  int best = Unreachable;
  for (int64_t profile = 0; profile < p.Count(); ++profile)
    if (NoneWaiting(profile)) best = std::min<int>(best, before[profile]);
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const int rows = argc == 3 ? std::atoi(argv[1]) : 0, columns = argc == 3 ? std::atoi(argv[2]) : 0;
  if (rows < 1 || rows > 16 || columns < 1 || rows * columns > 254) {
    std::fprintf(stderr, "usage: %s ROWS COLUMNS   (1 <= ROWS <= 16, ROWS x COLUMNS <= 254)\n", argv[0]);
    return 2;
  }
  const int gamma = DominationNumber(rows, columns);
  std::printf("domination number of the %d x %d grid: %d\n", rows, columns, gamma);
  std::printf("lattice 5 apart, demand 10, fixed cost 100, number free: optimum %d\n",
              50 * rows * columns + 50 * gamma);
  return 0;
}
