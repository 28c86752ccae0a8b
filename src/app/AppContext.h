#pragma once

class ClassRegistry;
class Clock;
class Prompter;
class TFontSet;
class TNEBRAData;

// The program-wide objects, made once at start-up and handed to the windows
// that need them. Tests make their own.
struct AppContext {
    Prompter& prompter;
    Clock& clock;
    TNEBRAData& data;
    const ClassRegistry& registry;
    TFontSet& fonts;
};
