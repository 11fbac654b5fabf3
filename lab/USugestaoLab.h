#pragma once
// A starting point for a newcomer facing the laboratory's settings.
//
// The suggestion follows the SOM Toolbox's defaults (som_topol_struct, som_make, som_batchtrain),
// the common practice of the SOM literature (Kohonen, "Self-Organizing Maps", 2001; Vesanto et al.,
// "SOM Toolbox for Matlab 5", 2000):
// - about 5 sqrt(N) units for N patterns (the Toolbox's munits heuristic);
// - the sides in the ratio of the spreads along the data's two first principal components, the
//   longer side along the first (som_topol_struct: sqrt of the ratio of the two largest
//   eigenvalues), within 1 .. 100 each;
// - a hexagonal grid and a Gaussian neighbourhood (the Toolbox's lattice and neighbourhood);
// - the radius from half the longer side down to 1 (the Toolbox's rough phase starts at a quarter
//   of the map's diameter and its fine phase ends at 1; kohonen starts at two thirds of the unit
//   distances), linearly;
// - batch training (the Toolbox's default algorithm), started on the plane of the two principal
//   components (its lininit);
// - 50 epochs per unit per pattern (the Toolbox's rough 10 + fine 40 times units / patterns),
//   at least 20 and at most 1000.

#include <string>
#include <vector>

#include "ULaboratorio.h"

TConfiguracaoLab sugestaoLab(const TDadosLab& dados);
