#include "WizardDialog.h"

void RunSettingWizard() {}
