#pragma once

class CrawlerList;

// The hundred crawlers play starts with: spread over the ten meters across the
// middle of the field, 15 to 115 meters up, of masses 0.15 to 0.35, falling.
void addStartingCrawlers(CrawlerList& crawlers);
