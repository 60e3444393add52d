#include "shared/SharedValues.h"

std::int32_t AircraftSelection = kNoAircraft;
std::int32_t VariantZfw[kVariantCount] = {};
std::string FsRootPath;
std::string PrefsPath;
CommonPreferenceValues CommonPreferences;
KeyCommands KeyCommandTable = DefaultKeyCommands();
