#pragma once

// Makes the face and size the windows were designed with the application's font: a condensed
// face, as the captions were laid out for a narrow system font.
void UseProgramFont();
