#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A new pseudo-terminal in raw mode: the simulator holds the master side,
// the designer opens the slave by its path. The simulator keeps a slave
// descriptor of its own open as well, so that the master never reports a
// hang-up while the designer has the port closed.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // False (with the reason in *error) when no terminal can be made.
    bool open(std::string* error);

    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }
    // Writes every byte; false when the terminal fails.
    bool writeAll(const std::vector<std::uint8_t>& bytes);

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
