#pragma once

class FormState;

// Fills XS, YS, XE, YE: for a router with itself, the centre of its rectangle; for two routers,
// the ends of the link line between them, the start touching `from`. Index 6 is left alone.
void ComputeLinkGeometry(FormState& form);
