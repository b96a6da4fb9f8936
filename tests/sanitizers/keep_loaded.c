// Preloaded into every process of the sanitizer run (make test-asan): a
// library once loaded stays loaded. Mesa unloads its DRI driver when the X
// display closes, which the viewer does before the leak check runs at exit;
// the report then names no module for the driver's frames ("<unknown
// module>"), and no suppression could match a leak inside Mesa.
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
