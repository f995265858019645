#include "app/globals.h"

double freq1 = 440.0;
int idNote = 6;
int octnew = 4;
float alter = 0;
float cornew = 0;
float corold = 0;
int curspos = 0;
int cursposcor = 0;
QString fichson;
