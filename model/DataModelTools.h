// The tools that draw the data model's objects, given to the view's tool table: the view cannot
// name the modelling classes, so start-up registers them (from RegisterDataModelClasses).
#pragma once

void RegisterDataModelTools();
