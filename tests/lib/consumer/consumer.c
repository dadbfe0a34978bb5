/* A C program using an installed libbidgauge, built through pkg-config. */
#include <stdio.h>
#include <string.h>

#include <bidgauge/bidgauge.h>

static int failures = 0;

static void check(int ok, const char* what) {
  if (!ok) {
    fprintf(stderr, "consumer.c: failed: %s\n", what);
    ++failures;
  }
}

static bidgauge_valuation valued(const char* text) {
  bidgauge_hand hand;
  bidgauge_valuation valuation;
  memset(&valuation, 0, sizeof valuation);
  check(bidgauge_read_hand(text, strlen(text), &hand, NULL) == BIDGAUGE_OK, text);
  check(bidgauge_evaluate(&hand, &valuation) == BIDGAUGE_OK, text);
  return valuation;
}

int main(void) {
  bidgauge_valuation v = valued("KQ7543 QT2 A J98");
  bidgauge_texts texts;
  bidgauge_hand hand;
  bidgauge_error error;
  const char* bad = "KQ7543 QT2 A J9Z";
  char explanation[4096];
  size_t length = 0;

  check(v.knr_hundredths == 1235 && v.knr_opens, "KnR 12.35 opens");
  check(v.zar_points == 28 && v.zar_opens, "Zar 28 opens");
  check(v.kleinman_points == 11 && v.kleinman_quality == 0 && v.kleinman_opens,
        "Kleinman 11 ordinary opens");
  check(v.honor_trick_halves == 5 && v.honor_tricks_opens, "2.5 honor tricks open");
  check(v.high_card_points == 12, "12 high-card points");
  check(valued("764 AQJ74 42 A83").knr_hundredths == 1220, "KnR 12.20");

  check(bidgauge_format(&v, &texts) == BIDGAUGE_OK, "format");
  check(strcmp(texts.knr, "12.35") == 0 && strcmp(texts.honor_tricks, " 2\xC2\xBD") == 0,
        "panel texts");

  check(bidgauge_read_hand(bad, strlen(bad), &hand, &error) == BIDGAUGE_ERROR_HAND, "error");
  check(error.position == 16, "error position");
  check(strcmp(error.message, "unexpected character 'Z' at position 16") == 0, "error message");

  bidgauge_read_hand("KQ7543 QT2 A J98", 16, &hand, NULL);
  check(bidgauge_explain(&hand, explanation, sizeof explanation, &length) == BIDGAUGE_OK,
        "explain");
  check(strncmp(explanation, "KnR Points: 12.35 *\n", 20) == 0, "explanation from its heading");
  check(bidgauge_explain(&hand, explanation, length, NULL) == BIDGAUGE_ERROR_BUFFER,
        "no room for the NUL");

  v.honor_trick_halves = -1;
  check(bidgauge_format(&v, &texts) == BIDGAUGE_ERROR_ARGUMENT, "no hand has -1/2 honor trick");

  printf("C consumer: libbidgauge %s, %d failures\n", bidgauge_version(), failures);
  return failures == 0 ? 0 : 1;
}
