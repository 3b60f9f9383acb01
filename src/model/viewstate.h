// The view state of the current page lives in process-wide variables while
// the page is current (translation, quaternion, scale, locks, projection,
// world units per pixel); these copy it between them and a page.
#pragma once

class CGPage;

// Translation, quaternion (as floats) and scale into the page.
void SaveViewStateToPage(CGPage& page);
// The page's view state into the process-wide variables.  The projection
// matrix is computed again (into g_dProjection) when the page's pixels per
// unit or projection differ from the current ones.
void LoadViewStateFromPage(const CGPage& page);
// The whole view as the viewport, saved in g_nViewport.
void SaveWholeViewport();
