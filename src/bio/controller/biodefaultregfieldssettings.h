#pragma once

class CCmnRegFieldsSettings;

// The process-wide default fields settings of a new animal register: the built-in
// special and system fields and the prototype of new user fields, each shown by
// default in the boxes of the standard masks, and the built-in form field order.
// Built at the first call; later calls return the same object, which lives until
// the process ends. A new document's register starts from a copy.
const CCmnRegFieldsSettings &BioDefaultRegFieldsSettings();

// Brings the built-in parts of stored settings up to this program's defaults: the
// special fields take the default definitions and usage masks (missing ones are
// added, unknown ones dropped) and new user fields start from the default
// prototype. User fields, system fields, the field order and the layouts stay.
void BioUpdateInbuiltFieldDefaults(CCmnRegFieldsSettings &settings);
