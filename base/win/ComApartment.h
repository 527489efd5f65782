#pragma once
// COM for the user-interface thread (pictures, common dialogs), entered once and only when
// first needed: a start that finds its picture in the cache needs none.
// Returns whether COM can be used on this thread.
bool EnsureComApartment();
