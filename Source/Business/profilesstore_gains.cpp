#include "Business/profilesstore.h"

// The gains live in the shared game context, which is not in the tree yet;
// until it is, the settings are only kept here.
void CProfilesStore::pushGains() const {}
