// The words of a gauge-bench command line, taken one by one by the command that reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bench::cli {

class command_line {
  public:
    explicit command_line(std::vector<std::string> words) : words_(std::move(words)) {}

    // The next word that is not an option; throws bench_error naming `what` when there is none.
    std::string positional(std::string_view what);
    // The value after `--name`, if given (the last one wins).
    std::optional<std::string> option(std::string_view name);
    // The value after `--name` or its short spelling `-s`, if given (the last one wins).
    std::optional<std::string> option(std::string_view name, char short_name);
    // Every value given with `--name`, in order.
    std::vector<std::string> repeated(std::string_view name);
    // Whether `--name` is given (without a value).
    bool flag(std::string_view name);
    // Throws bench_error naming the first word no command took.
    void finish() const;

  private:
    std::vector<std::string> words_;
};

// A whole number in [minimum, maximum]; throws bench_error naming `what` otherwise.
int parse_int(std::string_view text, std::string_view what, int minimum, int maximum);

// A number as the user writes a variable's value: decimal (300, -1.5, 2.5e3) or hexadecimal
// (0x1235, for packed frequencies). Throws bench_error naming `what` otherwise.
double parse_number(std::string_view text, std::string_view what);

}  // namespace bench::cli
