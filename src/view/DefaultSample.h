#pragma once

class frmMain;

// Places the default-style sample (lblDefault and its underline) where it covers nothing of the
// book. Along a direction in which the canvas fills the view it stays 10 mm from the visible
// corner, pinned by the scroll bar; where the view has room beside the canvas for the whole
// sample, it moves there, off the picture; and on the canvas it goes below any text label it
// would cover, so that the catch record's title and captions keep their stored places.
void placeDefaultSample(frmMain &form);
