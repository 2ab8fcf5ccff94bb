// The profile the profile benchmark reads: 50,000 lines in 2,000 sections,
// each section written in two parts far apart, values in double quotes, all
// in a syntax that both readers take the same way (no comments, no repeated
// key within a section, lines well below either reader's line limit).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace inkbench {

struct Lookup {
  std::string section;
  std::string key;
  std::string value;  // as both readers return it
};

struct ProfileWorkload {
  std::string text;              // the whole file, about 2 MB
  std::vector<Lookup> lookups;   // random keys that exist, in random letter case
};

// The same workload for the same seed.
ProfileWorkload MakeProfileWorkload(unsigned seed);

}  // namespace inkbench
