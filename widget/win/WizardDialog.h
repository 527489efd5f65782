#pragma once
// The options dialog in its wizard mode, which edits the setting record in memory.
// (The dialog itself arrives with the options dialog; until then the record keeps its values.)
void RunSettingWizard();
