// Replaced by the viewer.
