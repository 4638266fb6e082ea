// What a smoke run found: one line per check as it is made, and the count of each outcome.
#pragma once

#include <string>
#include <string_view>

namespace winsmoke {

class smoke_report {
  public:
    // Prints the check with its outcome (and the detail, when it failed); returns whether it
    // held.
    bool check(bool held, std::string_view what, std::string_view detail = {});
    // Prints a line that is no check: what the run did or saw.
    void note(std::string_view text);
    // Prints the counts; the process's exit status: 0 when every check held.
    int finish() const;

  private:
    int passed_ = 0;
    int failed_ = 0;
};

std::string hex(unsigned long long value);

}  // namespace winsmoke
