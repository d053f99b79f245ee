#pragma once

// Tests run headless and in a fixed locale: fonts and text matching change with both.
void prepareTestEnvironment();
