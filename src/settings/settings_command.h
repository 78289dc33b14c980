// "Uživatelská...": the settings dialog opened on the saved values.
#pragma once

// Shows the dialog modally. OK writes config.ini and applies it; Storno
// puts every control back to what it held before, so nothing changes.
void Uivatelsk1Click();
