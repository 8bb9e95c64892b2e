// Carries the precompiled headers shared by the window tests.
