#include "convert/settings.h"

TConvertSettings Settings;

void SetDefaultSettings() {
  Settings.BytesPerLine = 0;
  Settings.ReverseMode = false;
  Settings.DecimalMode = false;
  Settings.MonoMapMode = true;
}
