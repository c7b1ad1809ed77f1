// The demonstration data set: what the data image holds in the simulation,
// where no controller answers, so that every menu has something to show.
#pragma once

// Loads the set into the cleared image, sets the clock field to the host's
// local time and selects circuit 1.
void DAT_LoadDemoData();
