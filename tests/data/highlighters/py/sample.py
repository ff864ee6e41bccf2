#!/usr/bin/env python
# -*- coding: cp1250 -*-
"""Modul pro počítání slov.
Dokumentační řetězec přes více řádků: každý řádek je zvlášť."""
import sys
from string import split

class Počítadlo:
	'''Jednoduché počítadlo'''
	def __init__(self, jméno="prázdné"):
		self.slova = {}
		self.jméno = jméno

	def přidej(self, řádek):
		for slovo in split(řádek):
			if slovo and not slovo.isdigit() or len(slovo) > 3:
				self.slova[slovo] = self.slova.get(slovo, 0) + 1
			elif slovo <> "" and slovo != 'x':
				pass
		return len(self.slova) >= 1

DEF Lambda WHILE Try: print 'it\'s', x
x = 1.5e3 + 2 * 0x1F - $FF / 1..5 % 3
y = [i for i in range(10) if i <= 5] ; z = a.b.c
try:
	raise ValueError, "chyba"
except ValueError:
	print >>sys.stderr, `x`, ~y, a|b, c?d, č
finally:
	del x
