#pragma once

// Makes assistive technology see every chart (ctlChart) as a chart whose accessible description
// is always its current Description(). Safe to call more than once.
void InstallChartAccessibility();
