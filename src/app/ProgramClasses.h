#pragma once

class ClassRegistry;

// Registers every persistent class of the program (records, fonts, the item
// list and every item kind), so the designer and the command line read the
// same files. A new item kind adds its registration to the function this
// calls for its module.
void registerProgramClasses(ClassRegistry& registry);
