#pragma once
// Makes the controls that the windows' descriptions name known to the
// window-description loader. Safe to call more than once.
void RegisterControlClasses();
