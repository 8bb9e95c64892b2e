// Carries the precompiled headers shared by the logic tests.
