// The controller's status record: copied into the data image, its edges
// turned into events for the menus.
#pragma once

// Takes the committed status object (called for every committed one).
void DIS_ProcessStatusRecord();
