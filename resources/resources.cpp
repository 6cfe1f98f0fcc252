// Placeholder until the artwork generator lands.
void InitTarvoResources() {}
