#pragma once

namespace baralune {

// Makes screen readers see Baralune's own controls for what they are: a link label as a link,
// a card of a tray (manual or own cards) as a button, each with a Press action that clicks it
// (through its Activate slot). Controls call it when they are created; the first call does the
// work.
void RegisterAccessibleControls();

}  // namespace baralune
