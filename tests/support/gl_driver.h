#pragma once

// Under AddressSanitizer: keeps Mesa's driver loaded for the life of the
// process (see gl_driver.cpp); elsewhere nothing.
void keepGlDriverLoaded();
