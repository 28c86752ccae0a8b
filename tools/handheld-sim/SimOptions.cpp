#include "SimOptions.h"

#include <charconv>

const char* const simUsage =
    "Usage: tolvane-handheld-sim [OPTION]...\n"
    "\n"
    "Plays the handheld printer on a new pseudo-terminal, whose path is the\n"
    "first line written to standard output; a trace of every packet follows.\n"
    "Runs until SIGTERM or until standard input is closed.\n"
    "\n"
    "Options:\n"
    "  --low-battery       report a low battery in the status reply\n"
    "  --sram-fault        report an SRAM fault in the status reply\n"
    "  --full              report a full memory in the status reply\n"
    "  --silent            never answer\n"
    "  --corrupt-every N   spoil the checksum of every Nth packet sent\n"
    "  --hang-after N      stop answering after N packets received\n"
    "  --refuse-send       refuse every data packet\n"
    "  --list-once         refuse every list request after the first\n"
    "  --late-reply N      answer the Nth packet received late (what follows waits too)\n"
    "  --late-ms MS        how late that answer comes (default 1000)\n"
    "  --preload NAME      start with an image of that name stored (repeatable)\n"
    "  --store DIR         write stored images to DIR as <n>.names and <n>.bin\n"
    "  -h, --help          print this help and exit\n"
    "  -v, --version       print the version and exit\n";

namespace {

bool parseCount(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0;
}

struct Parser {
    const std::vector<std::string>& args;
    std::size_t i = 0;
    std::string* error;

    bool value(std::string& out) {
        if (i + 1 >= args.size()) {
            *error = args[i] + " needs a value";
            return false;
        }
        out = args[++i];
        return true;
    }
    bool count(int& out) {
        std::string text;
        if (!value(text))
            return false;
        if (parseCount(text, out))
            return true;
        *error = args[i - 1] + " needs a whole number, not " + text;
        return false;
    }
};

bool parseFlag(const std::string& arg, SimOptions& options) {
    if (arg == "--low-battery")
        options.status |= 0x01;
    else if (arg == "--sram-fault")
        options.status |= 0x02;
    else if (arg == "--full")
        options.status |= 0x04;
    else if (arg == "--silent")
        options.silent = true;
    else if (arg == "--refuse-send")
        options.refuseSend = true;
    else if (arg == "--list-once")
        options.listOnce = true;
    else if (arg == "--help" || arg == "-h")
        options.help = true;
    else if (arg == "--version" || arg == "-v")
        options.version = true;
    else
        return false;
    return true;
}

bool parseValued(Parser& parser, SimOptions& options) {
    const std::string& arg = parser.args[parser.i];
    if (arg == "--corrupt-every")
        return parser.count(options.corruptEvery);
    if (arg == "--hang-after")
        return parser.count(options.hangAfter);
    if (arg == "--late-reply")
        return parser.count(options.lateReply);
    if (arg == "--late-ms")
        return parser.count(options.lateMs);
    if (arg == "--store")
        return parser.value(options.storeDir);
    if (arg == "--preload") {
        std::string name;
        if (!parser.value(name))
            return false;
        options.preload.push_back(name);
        return true;
    }
    *parser.error = "unknown option " + arg;
    return false;
}

} // namespace

std::optional<SimOptions> parseSimOptions(const std::vector<std::string>& args,
                                          std::string* error) {
    SimOptions options;
    Parser parser{args, 0, error};
    for (; parser.i < args.size(); ++parser.i) {
        if (!parseFlag(args[parser.i], options) && !parseValued(parser, options))
            return std::nullopt;
    }
    return options;
}
