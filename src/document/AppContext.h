#pragma once

class ClassRegistry;
class Clock;
class ItemTypeNames;
class Messages;
class Prompter;
class FontSet;
class DataStore;

// The program-wide objects, made once at start-up and handed to the windows
// that need them. Tests make their own.
struct AppContext {
    Prompter& prompter;
    Clock& clock;
    DataStore& data;
    const ClassRegistry& registry;
    FontSet& fonts;
    // The message table and the item kinds' captions, in the settings
    // file's language.
    const Messages& messages;
    const ItemTypeNames& kindNames;
};
