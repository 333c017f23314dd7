#pragma once

// The golden corpus files (golden/corpus.txt, golden/seeds.txt): one expression or seed per
// line, with \\, \n, \r, \t and \xNN escapes so that every text stays on its line.

#include <fstream>
#include <string>
#include <vector>

namespace quorvex::testing_support {

// Undoes the escapes of extract_corpus.py.
inline std::string Unescape(const std::string& line) {
  std::string text;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 >= line.size()) {
      text += line[i];
      continue;
    }
    const char c = line[++i];
    if (c == 'n') {
      text += '\n';
    } else if (c == 'r') {
      text += '\r';
    } else if (c == 't') {
      text += '\t';
    } else if (c == 'x' && i + 2 < line.size()) {
      text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      text += c;
    }
  }
  return text;
}

inline std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace quorvex::testing_support
