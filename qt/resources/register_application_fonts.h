#pragma once

// Adds the embedded Roboto Regular and Bold to the application's fonts.
// Needs a QGuiApplication. Returns false, after a warning naming the file,
// when a font could not be added; text then falls back to another face.
bool registerApplicationFonts();
