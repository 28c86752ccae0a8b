#pragma once

class ClassRegistry;

// Registers the persistent classes of the item kinds.
void registerItemClasses(ClassRegistry& registry);
