// What the files of the container unit share and nobody else needs.
#pragma once

// Set first thing when the unit ends.
extern bool cxContainerFinalizing;
