#include "profile_workload.h"

#include <cctype>
#include <cstdio>
#include <random>

namespace inkbench {

namespace {

constexpr int kSections = 2000;
constexpr int kLines = 50000;
constexpr int kKeysPerSection = kLines / kSections - 2;  // two headers each
constexpr int kLookups = 100000;
constexpr std::size_t kTargetSize = 2 * 1024 * 1024;

std::string SectionName(int section) {
  char name[32];
  std::snprintf(name, sizeof name, "Section.%04d", section);
  return name;
}

std::string KeyName(int key) {
  char name[32];
  std::snprintf(name, sizeof name, "KEY_NAME_%02d", key);
  return name;
}

// A value that fills the line to the average the target size asks for.
std::string Value(int section, int key, std::size_t length) {
  char head[40];
  std::snprintf(head, sizeof head, "\"value %d/%d ", section, key);
  std::string value = head;
  while (value.size() + 1 < length) value.push_back(static_cast<char>('a' + (value.size() % 26)));
  return value + "\"";
}

}  // namespace

ProfileWorkload MakeProfileWorkload(unsigned seed) {
  ProfileWorkload workload;
  const std::size_t header_bytes = 2 * kSections * (SectionName(0).size() + 3);
  const std::size_t line_budget = (kTargetSize - header_bytes) / (kSections * kKeysPerSection);
  const std::size_t value_length = line_budget - KeyName(0).size() - 4;  // " = " and "\n"
  std::vector<std::vector<std::string>> values(kSections);
  // The first half of every section, then the second half of every section:
  // each header appears twice and the second continues the first.
  for (int half = 0; half < 2; ++half) {
    for (int section = 0; section < kSections; ++section) {
      workload.text += "[" + SectionName(section) + "]\n";
      const int first = half * (kKeysPerSection / 2);
      const int last = half == 0 ? kKeysPerSection / 2 : kKeysPerSection;
      for (int key = first; key < last; ++key) {
        std::string value = Value(section, key, value_length);
        workload.text += KeyName(key) + " = " + value + "\n";
        values[section].push_back(std::move(value));
      }
    }
  }
  std::mt19937 random(seed);
  workload.lookups.reserve(kLookups);
  for (int i = 0; i < kLookups; ++i) {
    const int section = static_cast<int>(random() % kSections);
    const int key = static_cast<int>(random() % kKeysPerSection);
    Lookup lookup{SectionName(section), KeyName(key), values[section][key]};
    if (random() % 2) {
      for (char& c : lookup.key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    workload.lookups.push_back(std::move(lookup));
  }
  return workload;
}

}  // namespace inkbench
