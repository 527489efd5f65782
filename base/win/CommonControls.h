#pragma once
// The common controls (version 6 by the programs' manifests), loaded at their first need: a
// tooltip, or a dialog whose buttons and lists should take the themed look.
void EnsureCommonControls();
